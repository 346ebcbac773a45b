#pragma once

// Where the toolkit's row-and-column controls put their parts, as plain
// arithmetic on widths in pixels: the page control's tabs and the check
// list's columns. Window-free, so that the rules are tested without a screen.

#include <vector>

namespace tovra::toolkit {

/// One tab's place in the tab strip: its row (0 at the top), its left edge
/// and its width.
struct TabPlace {
    int row = 0;
    int x = 0;
    int width = 0;

    friend bool operator==(const TabPlace&, const TabPlace&) = default;
};

/// Lays tabs of the given widths into rows of at most `available` pixels, in
/// order: a tab that no longer fits its row starts the next one. Tabs that
/// fit in one row keep their widths, so their captions never wrap; once more
/// than one row is needed, every row is stretched to the whole width (its
/// spare pixels shared out among its tabs, the first ones taking the odd
/// pixels), as multi-row tabs are drawn. A tab wider than the whole width
/// keeps its width in a row of its own.
[[nodiscard]] std::vector<TabPlace> layTabRows(const std::vector<int>& widths, int available);

/// The number of rows that layTabRows uses.
[[nodiscard]] int tabRowCount(const std::vector<TabPlace>& places);

/// Widths of a check list's columns, given the widest item of each: each
/// column is as wide as its widest item and the spare width is shared out
/// evenly, so that a long item in one column can borrow from a column of
/// short ones. When the widest items cannot all fit, the columns share the
/// width evenly and the long items are cut.
[[nodiscard]] std::vector<int> columnWidths(const std::vector<int>& widest, int available);

} // namespace tovra::toolkit
