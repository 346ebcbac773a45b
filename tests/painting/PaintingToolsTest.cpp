// The painting tools without a window: what presses, moves and releases draw
// with each tool, and which files stamp.

#include "painting/core/PaintingTools.h"

#include "painting/core/Stamp.h"
#include "picture/Bmp.h"
#include "tests/support/EncodedPictures.h"
#include "tests/support/PatternPicture.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tovra::painting {
namespace {

// ---- tools -----------------------------------------------------------------------------

struct Event {
    enum Kind { Press, Move, Release } kind;
    Point at{};
};

struct ToolCase {
    const char* name;
    PaintTool tool;
    ToolOptions options;
    std::vector<Event> events;
    std::vector<PaintCommand> drawn;
};

class ToolTable : public testing::TestWithParam<ToolCase> {};

TEST_P(ToolTable, DrawsWhatTheMouseDoes) {
    const ToolCase& c = GetParam();
    PaintingTools tools;
    EXPECT_EQ(tools.tool(), PaintTool::Text);
    tools.setTool(c.tool);
    std::vector<PaintCommand> drawn;
    for (const Event& event : c.events) {
        switch (event.kind) {
        case Event::Press:
            if (auto command = tools.press(event.at, c.options)) {
                drawn.push_back(*command);
            }
            break;
        case Event::Move:
            if (auto line = tools.move(event.at)) {
                drawn.emplace_back(*line);
            }
            break;
        case Event::Release:
            tools.release();
            EXPECT_FALSE(tools.penDown());
            break;
        }
    }
    EXPECT_EQ(drawn, c.drawn);
}

ToolOptions pen(int width) {
    ToolOptions options;
    options.lineWidth = width;
    options.lineColor = 0x0000FF;
    return options;
}

ToolOptions words(int size, std::optional<std::string> face) {
    ToolOptions options;
    options.fontSize = size;
    options.fontFace = std::move(face);
    options.fontColor = 0x008000;
    options.text = "你好";
    options.picturePath = "/pictures/a.bmp";
    return options;
}

const std::vector<Event> kDrag = {{Event::Move, {1, 1}},   {Event::Press, {10, 10}},
                                  {Event::Move, {20, 10}}, {Event::Move, {20, 30}},
                                  {Event::Release},        {Event::Move, {40, 40}}};

INSTANTIATE_TEST_SUITE_P(
    Cases, ToolTable,
    testing::Values(ToolCase{"PenDrawsFromPointToPointWhileDown",
                             PaintTool::Pen,
                             pen(5),
                             kDrag,
                             {DrawLine{{10, 10}, {20, 10}, 5, 0x0000FF},
                              DrawLine{{20, 10}, {20, 30}, 5, 0x0000FF}}},
                    ToolCase{"PenWidthZeroIsOnePixel",
                             PaintTool::Pen,
                             pen(0),
                             {{Event::Press, {3, 3}}, {Event::Move, {9, 3}}},
                             {DrawLine{{3, 3}, {9, 3}, 1, 0x0000FF}}},
                    ToolCase{"TextOncePerPressNoLine",
                             PaintTool::Text,
                             words(14, "AR PL SungtiL GB"),
                             kDrag,
                             {DrawText{{10, 10}, "AR PL SungtiL GB", 14, 0x008000, "你好"}}},
                    ToolCase{"TextSizeZeroIsTheDefaultNoFaceKeepsTheFace",
                             PaintTool::Text,
                             words(0, std::nullopt),
                             {{Event::Press, {5, 6}}},
                             {DrawText{{5, 6}, std::nullopt, std::nullopt, 0x008000, "你好"}}},
                    ToolCase{"PictureOncePerPressNoLine",
                             PaintTool::Picture,
                             words(0, std::nullopt),
                             kDrag,
                             {DrawPicture{{10, 10}, "/pictures/a.bmp"}}}),
    [](const auto& test) { return std::string(test.param.name); });

// ---- stamps ----------------------------------------------------------------------------

struct StampCase {
    const char* name;
    const char* file;
    std::string (*bytes)();
    bool loads;
};

const picture::Image& sample() {
    static const picture::Image image = test::patternPicture({6, 4}, picture::PixelFormat::Bgr24);
    return image;
}

std::string bmp() {
    return picture::encodeBmp(sample());
}
std::string jpeg() {
    return test::jpegFile(sample());
}
std::string gif() {
    return test::gifFile({6, 4}, {{0, 0, 6, 4}});
}
std::string garbage() {
    return "not a picture at all";
}

class StampTable : public testing::TestWithParam<StampCase> {};

TEST_P(StampTable, EveryLoadablePictureWhateverItsName) {
    const StampCase& c = GetParam();
    test::TempDir dir;
    const std::string path = c.file[0] != '\0' ? dir.file(c.file) : std::string();
    if (c.bytes != nullptr) {
        test::writeBytes(path, c.bytes());
    }
    const auto stamp = loadStamp(path);
    ASSERT_EQ(stamp.has_value(), c.loads);
    if (c.loads) {
        EXPECT_EQ(stamp->size(), (picture::Size{6, 4}));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StampTable,
                         testing::Values(StampCase{"Bmp", "a.bmp", bmp, true},
                                         StampCase{"BmpNamedJpg", "a.jpg", bmp, true},
                                         StampCase{"JpegLowerCase", "a.jpg", jpeg, true},
                                         StampCase{"JpegLongUpperCase", "a.JPEG", jpeg, true},
                                         StampCase{"GifFirstFrame", "a.GIF", gif, true},
                                         StampCase{"NotAPicture", "a.bmp", garbage, false},
                                         StampCase{"Missing", "missing.bmp", nullptr, false},
                                         StampCase{"EmptyPath", "", nullptr, false}),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace tovra::painting
