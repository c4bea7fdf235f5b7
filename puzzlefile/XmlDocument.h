#pragma once

#include "ParseError.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zd {

// A small XML reader for puzzle files: elements, attributes, character data
// (with the five named entities, numeric references and CDATA), comments,
// processing instructions and a DOCTYPE, which are skipped. No namespaces,
// no external entities. Every element remembers the line it starts on so
// that readers can say where a problem is.
struct XmlElement
{
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::vector<XmlElement> children;
    std::string text; // the character data directly inside, pieces joined
    int line = 0;

    // The attribute's value, or null when it is absent.
    const std::string *attribute(std::string_view key) const;
    std::vector<const XmlElement *> childrenNamed(std::string_view key) const;
};

// Elements nest at most this deep: deeper files are refused, not recursed into.
inline constexpr int maxXmlDepth = 64;
// A document holds at most this many elements and attributes together (a
// few hundred bytes each in memory): enough for a 1000 x 1000 puzzle, and a
// file of nothing but tiny elements or attributes cannot claim gigabytes.
inline constexpr int maxXmlElements = 1 << 20;
// An element has at most this many attributes, so that looking for a second
// attribute of the same name stays cheap.
inline constexpr int maxXmlAttributes = 64;

// Parses a whole document into its root element.
ParseError parseXmlDocument(std::string_view content, XmlElement &root);

// `text` with &, <, > and quotes written as entities.
std::string escapedXml(std::string_view text);

} // namespace zd
