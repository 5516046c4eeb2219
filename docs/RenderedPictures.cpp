#include "docs/DocumentationPictures.h"
#include "platform/AtomicFile.h"

PictureResult RenderedPictures::Save(const PngPicture& picture, const std::filesystem::path& file) {
    if (!picture) return PictureResult::TooLarge;
    if (picture->empty()) return PictureResult::Failed;
    return WriteFileAtomically(file, *picture).ok ? PictureResult::Saved : PictureResult::Failed;
}
