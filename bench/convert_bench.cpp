// Conversion figures: a million waypoints converted by wayloom-convert and by GPSBabel side by side
// (GPX -> ITN, GPX -> KML, ITN -> GPX, CSV UTF-8 -> GPX). Each conversion runs as a child process;
// wall time, processor time (user + system) and peak resident memory come from wait4.
//
//   convert_bench [COUNT] [--runs N] [--convert PATH] [--gpsbabel PATH] [--keep]
//
// COUNT waypoints (default 1,000,000) are written to a temporary folder as GPX, and as the CSV UTF-8
// file Wayloom reads; GPSBabel's unicsv reader gets the same lines after its field-name line. The ITN
// input of ITN -> GPX is the file wayloom-convert wrote in GPX -> ITN. With --runs N each command runs
// N times and the fastest run counts. --keep leaves the folder in place.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#ifndef WAYLOOM_CONVERT_PATH
#define WAYLOOM_CONVERT_PATH ""
#endif

namespace {

namespace fs = std::filesystem;

struct Measure {
    bool ok = false;
    double wall = 0;   // seconds
    double cpu = 0;    // user + system seconds
    long peakKiB = 0;  // ru_maxrss
};

// Runs the command with its output thrown away, as a child, and measures it.
Measure RunOnce(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& part : command) argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) return {};
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return {};
    Measure m;
    m.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
            static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    m.peakKiB = usage.ru_maxrss;
    m.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return m;
}

// The fastest of `runs` runs (by wall time); a failed run ends the series.
Measure Run(const std::vector<std::string>& command, int runs) {
    Measure best;
    for (int i = 0; i < runs; ++i) {
        const Measure m = RunOnce(command);
        if (!m.ok) return m;
        if (!best.ok || m.wall < best.wall) best = m;
    }
    return best;
}

// Entries in an output file, counted by a marker that starts each one.
long CountOccurrences(const fs::path& file, std::string_view marker) {
    std::ifstream in(file, std::ios::binary);
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    long count = 0;
    for (std::size_t at = data.find(marker); at != std::string::npos; at = data.find(marker, at + marker.size()))
        ++count;
    return count;
}

void AppendFixed(std::string& out, double value, int decimals) {
    char buffer[64];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr);
}

// Distinct names, about one in five with accented letters (all within Windows-1252).
void AppendName(std::string& out, int i, bool forMarkup) {
    static constexpr std::string_view Prefixes[] = {
        "Gasolinera ", "Caf\xC3\xA9 Mar\xC3\xADn ", "Parking ", "Hotel ", "Restaurante ", "Plaza ",
        "Mirador ", "Puente ", "Estaci\xC3\xB3n ", "A\xC3\xB1o Nuevo ",
    };
    const std::string_view prefix = Prefixes[i % 7 == 3 ? 1 + (i / 7) % 2 * 7 : (i / 3) % 10];
    out += prefix;
    if (i % 11 == 0) out += forMarkup ? "Smith &amp; Co " : "Smith & Co ";
    char digits[16];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, i).ptr);
}

// Points spread over the Iberian peninsula, six decimals like a device's export.
void Coordinates(int i, double& lng, double& lat) {
    const unsigned h = static_cast<unsigned>(i) * 2654435761u;
    lng = -9.3 + (h % 12000000) * 1e-6;
    lat = 36.0 + ((h >> 7) % 7800000) * 1e-6;
}

bool WriteInputs(const fs::path& folder, int count) {
    std::ofstream gpx(folder / "points.gpx", std::ios::binary);
    std::ofstream csv(folder / "points.csv", std::ios::binary);
    std::ofstream unicsv(folder / "points-unicsv.csv", std::ios::binary);
    gpx << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<gpx version=\"1.1\" creator=\"convert_bench\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
    csv << "\xEF\xBB\xBF";
    unicsv << "\xEF\xBB\xBFlon,lat,name\r\n";
    std::string gpxChunk, csvChunk;
    for (int i = 0; i < count; ++i) {
        double lng, lat;
        Coordinates(i, lng, lat);
        gpxChunk += "  <wpt lat=\"";
        AppendFixed(gpxChunk, lat, 6);
        gpxChunk += "\" lon=\"";
        AppendFixed(gpxChunk, lng, 6);
        gpxChunk += "\">\n    <name>";
        AppendName(gpxChunk, i, true);
        gpxChunk += "</name>\n  </wpt>\n";
        AppendFixed(csvChunk, lng, 6);
        csvChunk += ',';
        AppendFixed(csvChunk, lat, 6);
        csvChunk += ',';
        AppendName(csvChunk, i, false);
        csvChunk += "\r\n";
        if (gpxChunk.size() > (1 << 20) || i + 1 == count) {
            gpx << gpxChunk;
            csv << csvChunk;
            unicsv << csvChunk;
            gpxChunk.clear();
            csvChunk.clear();
        }
    }
    gpx << "</gpx>\n";
    return gpx.good() && csv.good() && unicsv.good();
}

// The machine's load averages: figures taken while other work runs are slower and noisier.
std::string LoadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

bool IsExecutable(const std::string& path) { return !path.empty() && access(path.c_str(), X_OK) == 0; }

// Output formats gpsbabel 1.8 offers (its -^3 listing), or nothing when it cannot be run.
std::string GpsbabelFormats(const std::string& gpsbabel) {
    if (!IsExecutable(gpsbabel)) return {};
    const std::string command = "'" + gpsbabel + "' -^3 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {};
    std::string listing;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) listing.append(buffer, got);
    pclose(pipe);
    return listing;
}

bool GpsbabelHas(const std::string& listing, std::string_view format) {
    std::string needle = "\t";
    needle.append(format);
    needle += '\t';
    for (std::size_t at = listing.find("file\t"); at != std::string::npos; at = listing.find("\nfile\t", at + 1)) {
        const std::size_t end = listing.find('\n', at + 1);
        if (listing.substr(at, end - at).find(needle) != std::string::npos) return true;
    }
    return false;
}

struct Conversion {
    const char* title;
    std::string input;                   // ours
    std::string babelInput;              // gpsbabel's (the same points)
    std::string output;                  // file name; the extension picks our writer
    std::vector<std::string> babelArgs;  // between the program and the input
    std::vector<std::string> babelTail;  // after the input
    std::vector<const char*> babelFormats;
    std::string_view marker;  // what starts an entry in the output
};

void PrintMeasure(const char* tool, const Measure& m, long entries) {
    std::printf("  %-10s %8.2f s wall %8.2f s cpu %9.1f MB peak  %9ld entries\n", tool, m.wall, m.cpu,
                m.peakKiB / 1024.0, entries);
}

}  // namespace

int main(int argc, char** argv) {
    int count = 1000000;
    int runs = 1;
    bool keep = false;
    std::string convert = WAYLOOM_CONVERT_PATH;
    std::string gpsbabel = "/usr/bin/gpsbabel";
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--runs" && i + 1 < argc) runs = std::max(1, std::atoi(argv[++i]));
        else if (argument == "--convert" && i + 1 < argc) convert = argv[++i];
        else if (argument == "--gpsbabel" && i + 1 < argc) gpsbabel = argv[++i];
        else if (argument == "--keep") keep = true;
        else if (!argument.starts_with("--") && std::atoi(argv[i]) > 0) count = std::atoi(argv[i]);
        else {
            std::fprintf(stderr, "usage: %s [COUNT] [--runs N] [--convert PATH] [--gpsbabel PATH] [--keep]\n",
                         argv[0]);
            return 2;
        }
    }
    if (!IsExecutable(convert)) {
        std::fprintf(stderr, "wayloom-convert not found (%s); pass --convert PATH\n", convert.c_str());
        return 1;
    }
    const std::string listing = GpsbabelFormats(gpsbabel);
    if (listing.empty())
        std::printf("gpsbabel (%s) cannot be run: measuring wayloom-convert alone\n", gpsbabel.c_str());

    std::string pattern = (fs::temp_directory_path() / "convert_bench.XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path folder = pattern;
    std::printf("%d waypoints in %s, best of %d run%s, load average %s\n", count, folder.c_str(), runs,
                runs > 1 ? "s" : "", LoadAverage().c_str());
    if (!WriteInputs(folder, count)) {
        std::fprintf(stderr, "cannot write the input files\n");
        return 1;
    }
    auto at = [&](const char* name) { return (folder / name).string(); };

    // gpsbabel reads and writes ITN as a route only, so waypoints become a route on the way there.
    const Conversion conversions[] = {
        {"GPX -> ITN", at("points.gpx"), at("points.gpx"), "gpx-to.itn", {"-i", "gpx", "-f"},
         {"-x", "transform,rte=wpt,del", "-o", "tomtom_itn", "-F"}, {"gpx", "tomtom_itn"}, "\n"},
        {"GPX -> KML", at("points.gpx"), at("points.gpx"), "gpx-to.kml", {"-i", "gpx", "-f"}, {"-o", "kml", "-F"},
         {"gpx", "kml"}, "<Placemark"},
        {"ITN -> GPX", at("gpx-to.itn"), at("gpx-to.itn"), "itn-to.gpx", {"-i", "tomtom_itn", "-f"},
         {"-o", "gpx", "-F"}, {"tomtom_itn", "gpx"}, "pt lat="},
        {"CSV -> GPX", at("points.csv"), at("points-unicsv.csv"), "csv-to.gpx", {"-i", "unicsv", "-f"},
         {"-o", "gpx", "-F"}, {"unicsv", "gpx"}, "<wpt lat="},
    };

    struct Row {
        const char* title;
        Measure ours, theirs;
        bool compared;
    };
    std::vector<Row> table;
    bool allOk = true;
    for (const Conversion& c : conversions) {
        std::printf("%s\n", c.title);
        const fs::path ourOutput = folder / c.output;
        const Measure ours = Run({convert, c.input, ourOutput.string()}, runs);
        if (!ours.ok) {
            std::printf("  wayloom-convert failed\n");
            allOk = false;
            continue;
        }
        PrintMeasure("wayloom", ours, CountOccurrences(ourOutput, c.marker));
        Row row{c.title, ours, {}, false};
        bool babelCan = !listing.empty();
        for (const char* format : c.babelFormats) {
            if (babelCan && !GpsbabelHas(listing, format)) {
                std::printf("  gpsbabel lacks the %s format: wayloom-convert alone\n", format);
                babelCan = false;
            }
        }
        if (babelCan) {
            std::string babelName = "babel-";
            babelName += c.output;
            const fs::path babelOutput = folder / babelName;
            std::vector<std::string> command{gpsbabel};
            command.insert(command.end(), c.babelArgs.begin(), c.babelArgs.end());
            command.push_back(c.babelInput);
            command.insert(command.end(), c.babelTail.begin(), c.babelTail.end());
            command.push_back(babelOutput.string());
            row.theirs = Run(command, runs);
            if (row.theirs.ok) {
                PrintMeasure("gpsbabel", row.theirs, CountOccurrences(babelOutput, c.marker));
                row.compared = true;
            } else {
                std::printf("  gpsbabel failed\n");
            }
        }
        std::fflush(stdout);
        table.push_back(row);
    }

    std::printf("\n%-11s %9s %9s %7s %9s %9s %7s %11s %11s %7s\n", "conversion", "ours s", "babel s", "faster",
                "ours cpu", "babel cpu", "faster", "ours MB", "babel MB", "memory");
    for (const Row& row : table) {
        if (!row.compared) {
            std::printf("%-11s %9.2f %9s %7s %9.2f %9s %7s %11.1f\n", row.title, row.ours.wall, "-", "-", row.ours.cpu,
                        "-", "-", row.ours.peakKiB / 1024.0);
            continue;
        }
        std::printf("%-11s %9.2f %9.2f %6.1fx %9.2f %9.2f %6.1fx %11.1f %11.1f %6.2fx\n", row.title, row.ours.wall,
                    row.theirs.wall, row.theirs.wall / row.ours.wall, row.ours.cpu, row.theirs.cpu,
                    row.theirs.cpu / row.ours.cpu, row.ours.peakKiB / 1024.0, row.theirs.peakKiB / 1024.0,
                    static_cast<double>(row.ours.peakKiB) / row.theirs.peakKiB);
    }
    std::printf("faster: gpsbabel's time / ours (goal >= 10); memory: our peak / gpsbabel's (goal < 0.5)\n");
    std::printf("load average at the end: %s\n", LoadAverage().c_str());
    if (keep)
        std::printf("files kept in %s\n", folder.c_str());
    else
        fs::remove_all(folder);
    return allOk ? 0 : 1;
}
