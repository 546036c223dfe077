// Protection of the engine's JPEG loader from cut or garbled files.
//
// The loader hands libjpeg the file's bytes with a source that, once they
// run out, neither supplies more nor stops: a file cut before its end
// marker, or a segment whose length runs past the end, makes the decoder
// read past the buffer. Such a file is refused before the engine sees it.
#pragma once

#include <string>

// Whether the bytes form a JPEG the loader can read within them: a start
// marker, header segments that fit, and an end marker the decoder meets
// before the end of the bytes.
bool IsWholeJpeg(const std::string& bytes);

// Whether the file at `path` may be handed to the engine's image loaders:
// any file but a JPEG (".jpg" or ".jpeg", any case) that is not whole.
bool IsLoadableImageFile(const std::string& path);
