#include "formats/file_kind.h"

#include <gtest/gtest.h>

#include "formats/file_operation.h"

namespace wayloom {
namespace {

TEST(FileKind, OpenKindFromTheExtension) {
    const std::pair<std::u16string_view, FileKind> cases[] = {
        {u"a.itn", FileKind::Itn},  {u"A.ITN", FileKind::Itn},    {u"a.Kml", FileKind::Kml},
        {u"a.gpx", FileKind::Gpx},  {u"a.gpi", FileKind::Gpi},    {u"a.csv", FileKind::Csv},
        {u"a.asc", FileKind::Asc},  {u"a.poi", FileKind::Poi},    {u"ROUTE.TXT", FileKind::Txt},
        {u"ROUTE.DAT", FileKind::Txt}, {u"noext", FileKind::Txt}, {u"/d.itn/file", FileKind::Txt},
        {u"a.itn.bak", FileKind::Txt},
    };
    for (const auto& [path, kind] : cases) EXPECT_EQ(OpenKindFromPath(path), kind);
}

TEST(FileKind, SaveTargetFromTheExtensionAndTheChosenEncoding) {
    const struct {
        std::u16string_view path;
        int encoding;
        std::u16string_view savedPath;
        FileKind kind;
    } cases[] = {
        {u"ruta.asc", 2, u"ruta.asc", FileKind::AscUtf8},  {u"ruta.kml", 2, u"ruta.kml", FileKind::Kml},
        {u"ruta.gpi", 0, u"ruta.itn", FileKind::Itn},      {u"R.GPI", 1, u"R.itn", FileKind::Itn},
        {u"ruta.csv", 0, u"ruta.csv", FileKind::CsvAnsi},  {u"ruta.POI", 1, u"ruta.POI", FileKind::PoiUnicode},
        {u"ruta.dat", 1, u"ruta.dat", FileKind::TxtUnicode}, {u"ruta.gpx", 1, u"ruta.gpx", FileKind::Gpx},
    };
    for (const auto& c : cases) {
        const SaveTarget target = SaveTargetFromPath(c.path, c.encoding);
        EXPECT_EQ(target.path, c.savedPath);
        EXPECT_EQ(target.kind, c.kind);
    }
}

TEST(FileKind, EncodingsGroupsAndExtensions) {
    EXPECT_EQ(TextEncodingOf(FileKind::CsvAnsi), 0);
    EXPECT_EQ(TextEncodingOf(FileKind::AscUnicode), 1);
    EXPECT_EQ(TextEncodingOf(FileKind::TxtUtf8), 2);
    EXPECT_EQ(TextGroupOf(FileKind::PoiUtf8), FileKind::PoiAnsi);
    EXPECT_EQ(ExtensionOfKind(FileKind::TxtUnicode), u"txt");
    EXPECT_EQ(ExtensionOfKind(FileKind::Gpx), u"gpx");
    EXPECT_EQ(FileTitleOf(u"/media/card/Ruta.Final.itn"), u"Ruta.Final");
}

}  // namespace
}  // namespace wayloom
