// Writes the game's pictures into the directory named on the command line. The output
// depends on nothing but this program's own data, so it is the same byte for byte on
// every run.

#include "artwork.h"
#include "backdrop.h"
#include "bmp_writer.h"
#include "ico_writer.h"
#include "pictures.h"

#include <array>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

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

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: picturegen OUTPUT_DIRECTORY\n";
        return 2;
    }
    try {
        const std::filesystem::path directory = argv[1];
        std::filesystem::create_directories(directory);
        for (const Output& output : outputs)
            writeFile(directory / output.fileName, output.encode());
    } catch (const std::exception& error) {
        std::cerr << "picturegen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
