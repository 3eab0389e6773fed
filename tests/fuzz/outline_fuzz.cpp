// Fuzz target for the outline readers: a saved-outline block and an outline
// text file read from any bytes stay inside them, and a block that reads
// back writes the same outline again.
#include <cstdlib>

#include "controls/outline/core/outline_block.h"
#include "controls/outline/core/outline_text.h"

using namespace zw::outline;

extern "C" int ZwFuzzSeed(int index, const std::uint8_t** data, std::size_t* size) {
    static const std::vector<std::uint8_t> block = [] {
        OBLOB outline;
        outline.style = 1;
        outline.pictures.push_back({0x0401, u"a.bmp", u""});
        outline.fonts.push_back({9, 2, u"Arial"});
        outline.items.push_back({-1, -1, -1, -1, 0, 0, 0, u""});
        outline.items.push_back({0, 0, 0, 0, 1, 2, 3, u"top"});
        outline.items.push_back({1, -1, -1, -1, 1, 2, 3, u"child"});
        return WriteOutlineBlock(outline);
    }();
    static const std::string text = "A\r\n\tB\r\n  C\r\nD";
    if (index == 0) {
        *data = block.data();
        *size = block.size();
        return 1;
    }
    if (index == 1) {
        *data = reinterpret_cast<const std::uint8_t*>(text.data());
        *size = text.size();
        return 1;
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    OBLOB outline;
    if (ReadOutlineBlock(data, size, &outline) == BlockResult::Ok) {
        const std::vector<std::uint8_t> again = WriteOutlineBlock(outline);
        OBLOB reread;
        if (ReadOutlineBlock(again.data(), again.size(), &reread) != BlockResult::Ok) std::abort();
        if (reread.items.size() != outline.items.size()) std::abort();
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const OutlineTextItem& item : ParseOutlineText(text)) {
        if (item.text.data() < text.data() || item.text.data() + item.text.size() > text.data() + text.size())
            std::abort();
    }
    return 0;
}
