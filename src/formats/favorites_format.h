#pragma once
// The Favorites of a TomTom device. ReadFavorites (MapSettings.cfg) is declared in
// formats/format_dispatch.h; the program never writes that file but hands one entry to the TomTom
// HOME application through its link scheme.
#include <string>

#include "app/session.h"

namespace wayloom {

// The file the Favorites reader opens in the chosen folder.
inline constexpr std::u16string_view FavoritesFileName = u"MapSettings.cfg";

// "tomtomhome:geo:lat=LAT&long=LNG&name=NAME" for a row with both coordinates: the coordinates as
// plain decimals, the name with '%' and '&' turned into blanks and then URL-encoded.
std::u16string TomTomHomeLink(const Session& session, int row);

}  // namespace wayloom
