// Protection of the engine's XML reader from cut or garbled files.
//
// The reader scans for the end of a tag, a closing tag, a declaration or a
// comment without looking for the end of its buffer, so a file that stops
// inside one of them makes it read past its memory. Such a file is read up
// to the start of that unfinished construct, as if it ended there.
#pragma once

#include <string>

// How many bytes at the start of `bytes` (a whole file as the reader gets
// it, byte-order mark included) the reader can parse without running past
// the end. Equal to the size for every complete file.
size_t SafeXmlLength(const std::string& bytes);
