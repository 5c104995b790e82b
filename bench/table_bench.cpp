// Work-table figures for a million rows: inserting through the recorded wrapper, renumbering,
// setting the base point, undoing and redoing the deletion of every row, and memory per row.
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <ctime>
#include <unistd.h>

#include "model/base_point.h"
#include "model/coordinate_text.h"
#include "table/table_helpers.h"
#include "table/table_wrappers.h"
#include "table/undo_replay.h"

using namespace wayloom;

namespace {

long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec * 1e-9;
}

// Wall and processor time: on a shared machine the processor time is the steadier figure.
struct Timing {
    double wall;
    double cpu;
};

template <typename F>
Timing Seconds(F&& work) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = CpuSeconds();
    work();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), CpuSeconds() - cpuStart};
}

void Print(const char* what, Timing t, const char* tail = "") {
    std::printf("%-30s %7.3f s wall %7.3f s cpu%s\n", what, t.wall, t.cpu, tail);
}

std::u16string Name(int i) {
    char digits[16];
    auto end = std::to_chars(digits, digits + sizeof digits, i).ptr;
    return u"Punto " + std::u16string(digits, end);
}

}  // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 1000000;
    Session session;
    const long residentBefore = ResidentBytes();

    const Timing insert = Seconds([&] {
        session.journal.BeginStep();
        const CoordinateDisplay display = session.display();
        for (int i = 0; i < rows; ++i) {
            RowItem item;
            item.row = i;
            item.name = Name(i);
            item.lng = FormatCoordinate(CoordinateKind::Lng, -9.0 + (i % 100000) * 0.00012, display);
            item.lat = FormatCoordinate(CoordinateKind::Lat, 36.0 + (i / 100000) * 0.7, display);
            InsertRow(session, item);
        }
    });
    const Timing renumber = Seconds([&] { RenumberOrder(session); });
    const Timing base = Seconds([&] { SetBaseRow(session, 0); });
    const long residentAfter = ResidentBytes();

    // The delete command removes the first selected row again and again.
    session.table.selectAll(true);
    const Timing deleteAll = Seconds([&] {
        session.journal.BeginStep();
        for (int row = session.table.nextSelected(); row >= 0; row = session.table.nextSelected(row - 1))
            DeleteRow(session, row);
    });
    const Timing undo = Seconds([&] { Undo(session); });
    const int restored = session.table.rowCount();
    const Timing redo = Seconds([&] { Redo(session); });

    std::printf("rows %d\n", rows);
    Print("insert through InsertRow", insert);
    Print("RenumberOrder", renumber);
    Print("SetBaseRow(0)", base);
    Print("delete every row (one step)", deleteAll);
    Print("undo of that step", undo, restored == rows ? " (every row back)" : " (ROWS MISSING)");
    Print("redo of that step", redo, session.table.rowCount() == 0 ? " (table empty)" : " (ROWS LEFT)");
    std::printf("resident memory per row      %.1f bytes (table and undo records)\n",
                static_cast<double>(residentAfter - residentBefore) / rows);
    return 0;
}
