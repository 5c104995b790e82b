#include "app/session.h"

namespace wayloom {

namespace {
TableViewPort noView;
CheckResultsPort noCheckResults;
MapPagePort noMapPage;
StatusBarPort noStatus;
}  // namespace

Session::Session() : view(&noView), checkResults(&noCheckResults), mapPage(&noMapPage), status(&noStatus) {}

}  // namespace wayloom
