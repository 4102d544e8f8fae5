#include "render/core/texture_pixels.h"

#include <algorithm>
#include <fstream>

#include "model/errors.h"
#include "platform/utf8_path.h"

namespace opt {

namespace {

int64_t FirstPixelPosition(const TextureRecord& t) { return int64_t{t.Data_Offset} + kHeaderBytes; }

// Bytes to take from the file: Size, but no more than the picture needs.
int64_t WantedBytes(const TextureRecord& t) {
    if (!UsableTextureSides(t) || t.Size <= 0) return 0;
    return std::min<int64_t>(t.Size, int64_t{t.Width} * t.Height);
}

// The part of [pos, pos + count) that lies inside a file of `length` bytes, as {start, count}.
std::pair<int64_t, int64_t> ClipToFile(int64_t pos, int64_t count, int64_t length) {
    if (pos < 0 || pos >= length || count <= 0) return {0, 0};
    return {pos, std::min(count, length - pos)};
}

}  // namespace

bool UsableTextureSides(const TextureRecord& t) {
    return t.Width > 0 && t.Height > 0 && t.Width <= kMaxTextureSide && t.Height <= kMaxTextureSide;
}

TexturePixels PixelsFromRun(std::span<const uint8_t> run, const TextureRecord& t) {
    TexturePixels px;
    if (!UsableTextureSides(t)) return px;
    px.Width = t.Width;
    px.Height = t.Height;
    px.Indices.assign(static_cast<size_t>(int64_t{t.Width} * t.Height), 0);
    const size_t take =
        static_cast<size_t>(std::min<int64_t>(WantedBytes(t), static_cast<int64_t>(run.size())));
    std::copy_n(run.begin(), take, px.Indices.begin());
    return px;
}

TexturePixels FetchTexturePixels(std::span<const uint8_t> file, const TextureRecord& t) {
    const auto [start, count] =
        ClipToFile(FirstPixelPosition(t), WantedBytes(t), static_cast<int64_t>(file.size()));
    return PixelsFromRun(file.subspan(static_cast<size_t>(start), static_cast<size_t>(count)), t);
}

TexturePixels ReadTexturePixels(const std::string& modelPath, const TextureRecord& t) {
    std::ifstream in(Utf8Path(modelPath), std::ios::binary);
    if (!in) throw OptError("Cannot open file " + modelPath);
    in.seekg(0, std::ios::end);
    const int64_t length = static_cast<int64_t>(in.tellg());
    const auto [start, count] =
        ClipToFile(FirstPixelPosition(t), WantedBytes(t), std::max<int64_t>(length, 0));
    std::vector<uint8_t> run(static_cast<size_t>(count));
    if (count > 0) {
        in.seekg(start);
        in.read(reinterpret_cast<char*>(run.data()), count);
        run.resize(static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));  // a short read keeps 0s
    }
    return PixelsFromRun(run, t);
}

}  // namespace opt
