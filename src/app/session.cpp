#include "app/session.h"

namespace wayloom {

namespace {
TableViewPort noView;
CheckResultsPort noCheckResults;
MapPagePort noMapPage;
}  // namespace

Session::Session() : view(&noView), checkResults(&noCheckResults), mapPage(&noMapPage) {}

}  // namespace wayloom
