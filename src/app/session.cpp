#include "app/session.h"

namespace wayloom {

namespace {
TableViewPort noView;
CheckResultsPort noCheckResults;
MapPagePort noMapPage;
UiPort noUi;
}  // namespace

Session::Session() : view(&noView), checkResults(&noCheckResults), mapPage(&noMapPage), ui(&noUi) {}

}  // namespace wayloom
