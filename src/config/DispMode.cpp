#include "config/DispMode.h"

#include "config/ConfigImage.h"

#include <algorithm>
#include <iterator>

namespace {

struct Lines {
    const char* a;
    const char* b;
    const char* c;
};

// The pages before the twelve energy pages.
const Lines kHead0[] = {
    {"Umax", "U", "Umin"},
    {"I", "Imax", ""},
    {"Iavg", "Iavgmax", ""},
    {"P", "Pmax", ""},
    {"Q", "Qmax", ""},
    {"S", "Smax", ""},
    {"PF", "PFmin.inc.ind", "PFmin.inc.cap"},
    {"PF", "PFmin.out.ind", "PFmin.out.cap"},
    {"Fmax", "F", "Fmin"},
};
const Lines kHead1[] = {
    {"U12", "U23", "U31"},
    {"U12max", "U23max", "U31max"},
    {"U12min", "U23min", "U31min"},
    {"I1", "I2", "I3"},
    {"I1max", "I2max", "I3max"},
    {"I1avg", "I2avg", "I3avg"},
    {"I1avgmax", "I2avgmax", "I3avgmax"},
    {"", "P", "Pmax"},
    {"", "Q", "Qmax"},
    {"", "S", "Smax"},
    {"PF", "PFmin.inc.ind", "PFmin.inc.cap"},
    {"PF", "PFmin.out.ind", "PFmin.out.cap"},
    {"Fmax", "F", "Fmin"},
};
const Lines kHead2[] = {
    {"U1", "U2", "U3"},
    {"U1max", "U2max", "U3max"},
    {"U1min", "U2min", "U3min"},
    {"U12", "U23", "U31"},
    {"U12max", "U23max", "U31max"},
    {"U12min", "U23min", "U31min"},
    {"", "UNE", "UNEmax"},
    {"", "unb.U", "unb.Umax"},
    {"I1", "I2", "I3"},
    {"I1max", "I2max", "I3max"},
    {"I1avg", "I2avg", "I3avg"},
    {"I1avgmax", "I2avgmax", "I3avgmax"},
    {"", "IN", "IN max"},
    {"P1", "P2", "P3"},
    {"P1max", "P2max", "P3max"},
    {"", "P", "Pmax"},
    {"Q1", "Q2", "Q3"},
    {"Q1max", "Q2max", "Q3max"},
    {"", "Q", "Qmax"},
    {"S1", "S2", "S3"},
    {"S1max", "S2max", "S3max"},
    {"", "S", "Smax"},
    {"PF1", "PF2", "PF3"},
    {"PF", "PFmin.inc.ind", "PFmin.inc.cap"},
    {"PF", "PFmin.out.ind", "PFmin.out.cap"},
    {"Fmax", "F", "Fmin"},
};

// The pages between the energies and the mean values.
const Lines kMid0[] = {
    {"P", "Q", "S"}, {"U", "I", "P"},           {"PF", "P", "Q"},
    {"P", "S", "F"}, {"", "thd.U", "thd.Umax"}, {"", "thd.I", "thd.Imax"},
};
const Lines kMid1[] = {
    {"P", "Q", "S"},
    {"UØ", "IØ", "P"},
    {"PF", "P", "Q"},
    {"P", "S", "F"},
    {"", "thd.U12", "thd.U12max"},
    {"", "thd.U23", "thd.U23max"},
    {"", "thd.U31", "thd.U31max"},
    {"", "thd.I1", "thd.I1max"},
    {"", "thd.I2", "thd.I2max"},
    {"", "thd.I3", "thd.I3max"},
};
const Lines kMid2[] = {
    {"P", "Q", "S"},
    {"UØ", "IØ", "P"},
    {"PF", "P", "Q"},
    {"P", "S", "F"},
    {"P1", "Q1", "S1"},
    {"P2", "Q2", "S2"},
    {"P3", "Q3", "S3"},
    {"U1", "I1", "P1"},
    {"U2", "I2", "P2"},
    {"U3", "I3", "P3"},
    {"", "thd.U1", "thd.U1max"},
    {"", "thd.U2", "thd.U2max"},
    {"", "thd.U3", "thd.U3max"},
    {"", "thd.I1", "thd.I1max"},
    {"", "thd.I2", "thd.I2max"},
    {"", "thd.I3", "thd.I3max"},
};

const char* const kEnergies[12] = {"EPinc HT", "EPinc LT", "EPout HT", "EPout LT", "EQind HT", "EQind LT",
                                   "EQcap HT", "EQcap LT", "EQinc HT", "EQinc LT", "EQout HT", "EQout LT"};
const char* const kMeanGroups[7] = {"P.inc-int", "P.out-int", "Q.ind-int", "Q.cap-int",
                                    "Q.inc-int", "Q.out-int", "S.int"};
const std::vector<std::string> kHarmonicQuantities[3] = {
    {"U", "I"}, {"U12", "U23", "U31", "I1", "I2", "I3"}, {"U1", "U2", "U3", "I1", "I2", "I3"}};

constexpr int kPagesPerMeanGroup = 7;
constexpr int kHarmonicOrders = 14; // orders 2 to 15

const std::vector<int> kRows[3] = {
    {1, 2, 1, 1, 1, 2, 1, 4, 4, 4, 1, 1, 7, 7, 7, 7, 7, 14, 14},
    {3, 4, 1, 1, 1, 2, 1, 4, 4, 4, 3, 3, 7, 7, 7, 7, 7, 14, 14, 14, 14, 14, 14},
    {8, 5, 3, 3, 3, 3, 1, 4, 4, 4, 6, 3, 3, 7, 7, 7, 7, 7, 14, 14, 14, 14, 14, 14},
};

int HeadSize(int klass) {
    static const int sizes[3] = {int(std::size(kHead0)), int(std::size(kHead1)), int(std::size(kHead2))};
    return sizes[klass];
}
int MidSize(int klass) {
    static const int sizes[3] = {int(std::size(kMid0)), int(std::size(kMid1)), int(std::size(kMid2))};
    return sizes[klass];
}
const Lines* Head(int klass) {
    static const Lines* const tables[3] = {kHead0, kHead1, kHead2};
    return tables[klass];
}
const Lines* Mid(int klass) {
    static const Lines* const tables[3] = {kMid0, kMid1, kMid2};
    return tables[klass];
}
int FirstEnergyPage(int klass) {
    return HeadSize(klass) + 1;
}
int FirstMeanPage(int klass) {
    return FirstEnergyPage(klass) + 12 + MidSize(klass);
}
int FirstHarmonicPage(int klass) {
    return FirstMeanPage(klass) + 7 * kPagesPerMeanGroup;
}

int ValidClass(int klass) {
    return klass >= 0 && klass <= 2 ? klass : 0;
}

PageLines MeanPage(const std::string& name, int k) {
    if (k == 0) return {name, "(Trend)", ""};
    if (k == 1) return {name + ".max", name + ".min", ""};
    return {"", name + "-" + std::to_string(k - 2), ""};
}

PageLines HarmonicPage(int klass, int k) {
    const std::string& quantity = kHarmonicQuantities[klass][size_t(k / kHarmonicOrders)];
    const int order = k % kHarmonicOrders + 2;
    std::string middle = "H" + std::to_string(order) + "." + quantity;
    // The meter's own labels of these two pages end in a blank.
    if (klass == 2 && (middle == "H8.U1" || middle == "H2.U3")) middle += ' ';
    return {"", middle, "(+max)"};
}

// The reactive presentation not chosen hides its four energy pages and its two mean groups.
bool Hidden(int klass, int n, bool inOut) {
    const int energy = n - FirstEnergyPage(klass);
    const int firstEnergyHidden = inOut ? 4 : 8;
    if (energy >= firstEnergyHidden && energy < firstEnergyHidden + 4) return true;
    const int group = (n - FirstMeanPage(klass)) / kPagesPerMeanGroup;
    const int firstGroupHidden = inOut ? 2 : 4;
    return n >= FirstMeanPage(klass) && group >= firstGroupHidden && group < firstGroupHidden + 2;
}

std::vector<int> BuildOffered(int klass, bool inOut) {
    std::vector<int> pages;
    for (int n = 1; n <= CataloguePages(klass); ++n)
        if (!Hidden(klass, n, inOut)) pages.push_back(n);
    return pages;
}

} // namespace

int CataloguePages(int klass) {
    static const int anzelem[3] = {104, 168, 187};
    return anzelem[ValidClass(klass)];
}

PageLines CataloguePage(int klass, int n, bool unbalance) {
    klass = ValidClass(klass);
    if (n < 1 || n > CataloguePages(klass)) return {};
    if (klass == 2 && n == kNeutralCurrentPage && unbalance) return {"", "Unb.I", "Unb.Imax"};
    auto lines = [](const Lines& l) { return PageLines{l.a, l.b, l.c}; };
    if (n < FirstEnergyPage(klass)) return lines(Head(klass)[n - 1]);
    if (n < FirstEnergyPage(klass) + 12) return {"", kEnergies[n - FirstEnergyPage(klass)], ""};
    if (n < FirstMeanPage(klass)) return lines(Mid(klass)[n - FirstEnergyPage(klass) - 12]);
    if (n < FirstHarmonicPage(klass)) {
        const int k = n - FirstMeanPage(klass);
        return MeanPage(kMeanGroups[k / kPagesPerMeanGroup], k % kPagesPerMeanGroup);
    }
    return HarmonicPage(klass, n - FirstHarmonicPage(klass));
}

const std::vector<int>& OfferedPages(int klass, bool inOut) {
    static const std::vector<int> offered[3][2] = {
        {BuildOffered(0, false), BuildOffered(0, true)},
        {BuildOffered(1, false), BuildOffered(1, true)},
        {BuildOffered(2, false), BuildOffered(2, true)},
    };
    return offered[ValidClass(klass)][inOut ? 1 : 0];
}

const std::vector<int>& PageRows(int klass) {
    return kRows[ValidClass(klass)];
}

PageView PageViewOf(const ConfigImage& image) {
    const int klass = NetworkClass(image);
    return {klass, (image.DispMode & kDispModeInOut) != 0, klass == 2 && (image.Freq & kFreqUnbalanceI) != 0};
}

int OfferedCount(const ConfigImage& image) {
    const PageView v = PageViewOf(image);
    return int(OfferedPages(v.klass, v.inOut).size());
}

uint8_t* CurrentPageSet(ConfigImage& image) {
    return (image.DispMode & kDispModeMode) == 1 ? image.User : image.Loop;
}

bool PageInSet(const uint8_t* set, int k) {
    if (k < 0 || k >= 8 * kPageSetBytes) return false;
    return (set[k / 8] >> (k % 8)) & 1;
}

void SetPage(uint8_t* set, int k, bool on) {
    if (k < 0 || k >= 8 * kPageSetBytes) return;
    const uint8_t bit = uint8_t(1u << (k % 8));
    set[k / 8] = on ? uint8_t(set[k / 8] | bit) : uint8_t(set[k / 8] & ~bit);
}

int PagesInSet(const uint8_t* set, int offered) {
    int n = 0;
    for (int k = 0; k < offered; ++k)
        n += PageInSet(set, k);
    return n;
}

int TogglePageCell(uint8_t* set, int klass, int row, int column, bool wholeRow) {
    const std::vector<int>& rows = PageRows(klass);
    if (row < 0 || row >= int(rows.size()) || column < 0 || column >= rows[size_t(row)]) return -1;
    int k = 0;
    for (int r = 0; r < row; ++r)
        k += rows[size_t(r)];
    k += column;
    const bool on = !PageInSet(set, k);
    SetPage(set, k, on);
    if (wholeRow)
        for (int c = column + 1; c < rows[size_t(row)]; ++c)
            SetPage(set, k + c - column, on);
    return on;
}

void ClearUnofferedPages(ConfigImage& image) {
    const int offered = OfferedCount(image);
    for (uint8_t* set : {image.Loop, image.User})
        for (int k = offered; k < 8 * kPageSetBytes; ++k)
            SetPage(set, k, false);
}

void CmSetLoopTime(ConfigImage& image, int seconds) {
    constexpr uint8_t kLoopTime = 0x78; // bits 3-6
    const int index = std::clamp(seconds / 2 - 1, 0, 15);
    image.DispMode = uint8_t((image.DispMode & ~kLoopTime) | (index << 3));
}

int LoopTimeSeconds(const ConfigImage& image) {
    return 2 * ((image.DispMode >> 3) & 0x0F) + 2;
}
