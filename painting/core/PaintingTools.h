#pragma once

// The painting window's tools, without a window: what a press, a move and a
// release of the mouse draw with the tool chosen and the options its page
// shows. The window turns each command into strokes on its canvas.
//
// The pen draws freehand: a press puts the pen down, each move while it is
// down draws a line from the last point, a release lifts it. The text and
// picture tools draw once at each press and never a line. Every mouse button
// draws alike.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace tovra::painting {

/// The pages of the tool options: which tool draws.
enum class PaintTool { Pen = 0, Text = 1, Picture = 2 };

/// The page the window opens with.
inline constexpr PaintTool kInitialTool = PaintTool::Text;
/// EDLine's and EDfontsize's range and first values.
inline constexpr int kNumberMin = 0;
inline constexpr int kNumberMax = 100;
inline constexpr int kInitialLineWidth = 3;
inline constexpr int kInitialFontSize = 0;
/// How long the window stays hidden for a clear (tmr1), in milliseconds.
inline constexpr int kClearIntervalMs = 500;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

/// What the controls show when the mouse goes down. Colours are 0x00BBGGRR.
struct ToolOptions {
    std::uint32_t lineColor = 0;         // CBLinecolor
    int lineWidth = kInitialLineWidth;   // EDLine
    std::optional<std::string> fontFace; // CBBFont; nothing while none is chosen
    int fontSize = kInitialFontSize;     // EDfontsize, in points
    std::uint32_t fontColor = 0;         // CBBcolor
    std::string text;                    // EDtext
    std::string picturePath;             // EDpic
};

struct DrawLine {
    Point from;
    Point to;
    /// In pixels, at least 1: a width of 0 draws one pixel wide.
    int width = 1;
    std::uint32_t color = 0;
    friend bool operator==(const DrawLine&, const DrawLine&) = default;
};

struct DrawText {
    /// The top-left corner of the text's cell.
    Point at;
    /// The face to change to; nothing keeps the face the canvas had.
    std::optional<std::string> face;
    /// In points; nothing for the font's default height.
    std::optional<int> pointSize;
    std::uint32_t color = 0;
    std::string text;
    friend bool operator==(const DrawText&, const DrawText&) = default;
};

struct DrawPicture {
    /// The top-left corner of the picture, drawn at its own size.
    Point at;
    std::string path;
    friend bool operator==(const DrawPicture&, const DrawPicture&) = default;
};

using PaintCommand = std::variant<DrawLine, DrawText, DrawPicture>;

/// A pen width as drawn: 0 (or less) draws one pixel wide.
[[nodiscard]] int penWidthPixels(int width);

class PaintingTools {
public:
    [[nodiscard]] PaintTool tool() const { return tool_; }
    /// FlatButton1, 2 and 3 show the pen, text and picture pages.
    void setTool(PaintTool tool) { tool_ = tool; }

    /// A press of any button at `at`. The pen takes its width and colour
    /// from options and draws nothing yet; text and picture draw here.
    [[nodiscard]] std::optional<PaintCommand> press(Point at, const ToolOptions& options);
    /// A move to `at`: a line from the pen's last point while the pen is down.
    [[nodiscard]] std::optional<DrawLine> move(Point at);
    /// A release of any button lifts the pen.
    void release() { penDown_ = false; }

    [[nodiscard]] bool penDown() const { return penDown_; }

private:
    PaintTool tool_ = kInitialTool;
    bool penDown_ = false;
    Point penAt_;
    int penWidth_ = 1;
    std::uint32_t penColor_ = 0;
};

} // namespace tovra::painting
