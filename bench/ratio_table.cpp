#include "bench/ratio_table.h"

#include <cstdio>

namespace dw::bench {

const std::vector<RatioRow>& ratioRows() {
    static const std::vector<RatioRow> rows = {
        {"Whole relight (shadeAll, lighting on, gloss map)", "BM_ShadeAll/5000/real_time",
         "memcpy of the cell array", "BM_MemcpyCells5000/real_time", "<= 2x"},
        {"Save (version 2) + Load", "BM_SaveAndLoadDocument5000/real_time",
         "libpng level-1 encode + decode of the lit RGBA picture",
         "BM_PngLevel1EncodeDecode5000/real_time", "<= 0.33x"},
        {"Autosave: the copy of the cells on the painter's thread",
         "BM_AutosaveCopy5000/manual_time", "memcpy of the cell array",
         "BM_MemcpyCells5000/real_time", "<= 1.5x"},
        {"Invert Color including its undo snapshot", "BM_Filter5000/invert-color/real_time",
         "memcpy of the cell array", "BM_MemcpyCells5000/real_time", "<= 1.5x"},
        {"Aqua including its undo snapshot", "BM_Filter5000/aqua/real_time",
         "memcpy of the cell array", "BM_MemcpyCells5000/real_time", "<= 1.5x"},
        {"One size-100 Paint Brush dab including the relight of its square", "dab/PaintBrush/100",
         "a reference brush library's r = 100 hard opaque dab", "BM_ReferenceDab/100", "<= 1.4x"},
        {"Import a 5000 x 5000 PNG (File > Import Image from the disk)",
         "BM_ImportPicture5000/png/real_time",
         "libpng reading the same file from the disk into its own RGB rows",
         "BM_BarePngDecode5000/real_time", "<= 1.2x"},
        {"Import a 5000 x 5000 JPEG (File > Import Image from the disk)",
         "BM_ImportPicture5000/jpg/real_time",
         "libjpeg-turbo reading the same file from the disk into its own RGB rows",
         "BM_BareJpegDecode5000/real_time", "<= 1.2x"},
    };
    return rows;
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) {
            continue;
        }
        const std::string name = run.run_name.str();
        const double seconds =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        if (run.run_type == Run::RT_Iteration) {
            times_[name] = seconds;
        } else if (run.aggregate_name == "median") {
            medians_[name] = seconds;
        }
    }
}

void RatioReporter::printTable(std::ostream& out) const {
    auto timeOf = [&](const std::string& name, double& value) {
        if (auto m = medians_.find(name); m != medians_.end()) {
            value = m->second;
            return true;
        }
        if (auto t = times_.find(name); t != times_.end()) {
            value = t->second;
            return true;
        }
        return false;
    };
    bool header = false;
    for (const RatioRow& row : ratioRows()) {
        double work = 0;
        double anchor = 0;
        if (!timeOf(row.workBenchmark, work) || !timeOf(row.anchorBenchmark, anchor) ||
            anchor <= 0) {
            continue;
        }
        if (!header) {
            out << "\n| Work | Anchor, timed in the same process | Ratio | Goal |\n"
                   "|---|---|---|---|\n";
            header = true;
        }
        char ratio[32];
        std::snprintf(ratio, sizeof ratio, "%.2fx", work / anchor);
        out << "| " << row.work << " | " << row.anchor << " | " << ratio << " | " << row.goal
            << " |\n";
    }
}

}  // namespace dw::bench
