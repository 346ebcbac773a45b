#include "painting/core/PaintingTools.h"

#include <algorithm>

namespace tovra::painting {

int penWidthPixels(int width) {
    return std::max(width, 1);
}

std::optional<PaintCommand> PaintingTools::press(Point at, const ToolOptions& options) {
    switch (tool_) {
    case PaintTool::Pen:
        penDown_ = true;
        penAt_ = at;
        penWidth_ = penWidthPixels(options.lineWidth);
        penColor_ = options.lineColor;
        return std::nullopt;
    case PaintTool::Text:
        return DrawText{at, options.fontFace,
                        options.fontSize > 0 ? std::optional(options.fontSize) : std::nullopt,
                        options.fontColor, options.text};
    case PaintTool::Picture:
        return DrawPicture{at, options.picturePath};
    }
    return std::nullopt;
}

std::optional<DrawLine> PaintingTools::move(Point at) {
    if (!penDown_) {
        return std::nullopt;
    }
    const DrawLine line{penAt_, at, penWidth_, penColor_};
    penAt_ = at;
    return line;
}

} // namespace tovra::painting
