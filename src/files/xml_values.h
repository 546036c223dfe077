// The loop by which the game reads its circuit and pilot files: every
// non-empty text, trimmed of spaces, is handed over with the name and the
// attributes of the element opened last.
#pragma once

#include <irrlicht.h>

#include <functional>
#include <map>
#include <string>

// One value of a file: the text of an element, with the element's name and
// attributes, all as 8-bit text.
struct XmlValue {
    std::wstring element;
    std::wstring text;
    std::map<std::wstring, std::wstring> attributes;

    // The attribute's text, empty when absent.
    std::wstring Attribute(const std::wstring& name) const;
    // The attribute read as a whole number (atoi rules), 0 when absent.
    int IntAttribute(const std::wstring& name) const;
};

// Reads the file at `path` (a file-system path) with the engine's XML reader
// and calls `apply` for each value in file order. Returns false when the
// file cannot be opened.
bool ReadXmlValues(const std::string& path, const std::function<void(const XmlValue&)>& apply);

// The lower level of the same reading: opens the file with the engine's XML
// reader, cut before anything the reader cannot finish, and hands over every
// node in file order. Returns false when the file cannot be opened.
bool VisitXmlNodes(const std::string& path,
                   const std::function<void(irr::io::IXMLReader&)>& visit);

// A name or text of the reader as 8-bit text (each character's low byte).
std::wstring NodeText(const wchar_t* text);
