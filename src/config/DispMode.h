// The pages of the extended model's front display: the three page catalogues, the
// pages each reactive presentation offers, and the Loop/User page sets of an image.
// A page set has one bit per offered page, in the order the page table reads (row by
// row, left to right): bit b of byte k is offered page 8k + b + 1.
#pragma once

#include "link/ConfigImageLayout.h"

#include <array>
#include <string>
#include <vector>

constexpr int kPageSetBytes = 22;
constexpr int kMaxPagesPerRow = 14;
constexpr int kNeutralCurrentPage = 13; // class 2: "IN", or the current unbalance

using PageLines = std::array<std::string, 3>; // the display's three lines, "" = empty

// Pages in the catalogue of network class klass (anzelem): 104, 168, 187.
int CataloguePages(int klass);
// Catalogue page n (1-based) as the meter labels it; unbalance: class 2 shows the
// current unbalance on the neutral-current page (bit 6 of Freq).
PageLines CataloguePage(int klass, int n, bool unbalance = false);
// Catalogue numbers of the offered pages in table order; inOut is bit 7 of DispMode.
const std::vector<int>& OfferedPages(int klass, bool inOut);
// Offered pages per row of the page table (used): 19, 23 or 24 rows.
const std::vector<int>& PageRows(int klass);

// What the page editor works on, from an image.
struct PageView {
    int klass;
    bool inOut;
    bool unbalance;
};
PageView PageViewOf(const ConfigImage& image);
int OfferedCount(const ConfigImage& image);

// The set the display mode uses: User in mode 1, Loop in every other mode.
uint8_t* CurrentPageSet(ConfigImage& image);
bool PageInSet(const uint8_t* set, int k); // k: offered page, 0-based
void SetPage(uint8_t* set, int k, bool on);
int PagesInSet(const uint8_t* set, int offered);

// CmSelDisp on the table cell (row, column), both 0-based; wholeRow gives the row's
// following pages the new state of the cell. Returns the new state of the cell's page,
// or -1 when the cell carries no page.
int TogglePageCell(uint8_t* set, int klass, int row, int column, bool wholeRow);

// Bits beyond the offered pages mean nothing to the meter: they are cleared in both sets.
void ClearUnofferedPages(ConfigImage& image);

// The loop time field: index in bits 3-6 of DispMode, shown as 2 x index + 2 seconds.
void CmSetLoopTime(ConfigImage& image, int seconds);
int LoopTimeSeconds(const ConfigImage& image);
