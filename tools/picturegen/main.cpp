// Draws the game's pictures. The output depends on nothing but this program's own data, so
// it is the same byte for byte on every run.
//
//     picturegen DIRECTORY
//         writes the bitmaps and the icon file into DIRECTORY;
//     picturegen --icon-theme DIRECTORY NAME
//         writes the icon as PNGs in the layout of an icon theme,
//         DIRECTORY/<size>x<size>/apps/NAME.png.

#include "artwork.h"
#include "backdrop.h"
#include "bmp_writer.h"
#include "ico_writer.h"
#include "pictures.h"
#include "png_writer.h"

#include <array>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace picturegen;

struct Output {
    const char* fileName;
    std::vector<std::uint8_t> (*encode)();
};

const std::array<Output, 7> outputs = {{
    {"TitleBackdrop.bmp", [] { return encodeBmp(titleBackdrop(), 24); }},
    {"SnailLeft.bmp", [] { return encodeBmp(snailLeft(), 24); }},
    {"SnailRight.bmp", [] { return encodeBmp(snailRight(), 24); }},
    {"LetterE.bmp", [] { return encodeBmp(letterPicture(artwork::letterE), 32); }},
    {"LetterN.bmp", [] { return encodeBmp(letterPicture(artwork::letterN), 32); }},
    {"LetterD.bmp", [] { return encodeBmp(letterPicture(artwork::letterD), 32); }},
    {"AppIcon.ico", [] { return encodeIco(appIconImages()); }},
}};

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

void writePictures(const std::filesystem::path& directory)
{
    std::filesystem::create_directories(directory);
    for (const Output& output : outputs)
        writeFile(directory / output.fileName, output.encode());
}

void writeIconTheme(const std::filesystem::path& theme, const std::string& name)
{
    for (const IconImage& image : appIconThemeImages()) {
        const std::string size = std::to_string(image.width) + "x" + std::to_string(image.height);
        const std::filesystem::path directory = theme / size / "apps";
        std::filesystem::create_directories(directory);
        writeFile(directory / (name + ".png"), encodePng(image));
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const bool iconTheme = arguments.size() == 3 && arguments[0] == "--icon-theme";
    if (arguments.size() != 1 && !iconTheme) {
        std::cerr << "usage: picturegen DIRECTORY\n"
                     "       picturegen --icon-theme DIRECTORY NAME\n";
        return 2;
    }
    try {
        if (iconTheme)
            writeIconTheme(arguments[1], arguments[2]);
        else
            writePictures(arguments[0]);
    } catch (const std::exception& error) {
        std::cerr << "picturegen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
