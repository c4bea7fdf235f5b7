#include "XmlDocument.h"

#include "ClueLines.h"

#include <cctype>
#include <cstdint>

namespace zd {

const std::string *XmlElement::attribute(std::string_view key) const
{
    for (const auto &[attributeName, value] : attributes)
        if (attributeName == key)
            return &value;
    return nullptr;
}

std::vector<const XmlElement *> XmlElement::childrenNamed(std::string_view key) const
{
    std::vector<const XmlElement *> found;
    for (const XmlElement &child : children)
        if (child.name == key)
            found.push_back(&child);
    return found;
}

namespace {

bool isNameCharacter(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '_' || c == '-' || c == '.' || c == ':' || u >= 0x80;
}

bool isXmlBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

void appendUtf8(std::string &out, uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class XmlReader
{
public:
    explicit XmlReader(std::string_view content)
        : text(content)
    {
        if (text.substr(0, 3) == "\xEF\xBB\xBF")
            pos = 3;
    }

    ParseError read(XmlElement &root)
    {
        std::vector<XmlElement *> open;
        bool haveRoot = false;
        while (pos < text.size()) {
            if (text[pos] != '<') {
                const int at = line;
                std::string data;
                if (ParseError error = readCharacterData(data); error.failed())
                    return error;
                if (!open.empty())
                    open.back()->text += data;
                else if (data.find_first_not_of(" \t\r\n") != std::string::npos)
                    return lineError(at, "text outside the document's element");
                continue;
            }
            if (startsWith("<?")) {
                if (ParseError error = skipPast("?>", "processing instruction"); error.failed())
                    return error;
            } else if (startsWith("<!--")) {
                if (ParseError error = skipPast("-->", "comment"); error.failed())
                    return error;
            } else if (startsWith("<![CDATA[")) {
                const int at = line;
                const size_t end = text.find("]]>", pos);
                if (end == std::string_view::npos)
                    return lineError(at, "CDATA section without its end");
                if (open.empty())
                    return lineError(at, "text outside the document's element");
                const std::string_view data = text.substr(pos + 9, end - pos - 9);
                open.back()->text += data;
                advanceTo(end + 3);
            } else if (startsWith("<!")) {
                if (ParseError error = skipDeclaration(); error.failed())
                    return error;
            } else if (startsWith("</")) {
                const int at = line;
                advanceTo(pos + 2);
                const std::string name = readName();
                skipBlanks();
                if (pos >= text.size() || text[pos] != '>')
                    return lineError(at, "end tag </" + name + " without its '>'");
                advanceTo(pos + 1);
                if (open.empty() || open.back()->name != name)
                    return lineError(at,
                                     "end tag </" + name + "> does not close "
                                         + (open.empty() ? std::string("any element")
                                                         : "<" + open.back()->name + ">"));
                open.pop_back();
            } else {
                if (open.empty() && haveRoot)
                    return lineError(line, "a second element after the document's element");
                if (++elements > maxXmlElements)
                    return lineError(line,
                                     "more than " + std::to_string(maxXmlElements) + " elements");
                XmlElement element;
                bool empty = false;
                if (ParseError error = readStartTag(element, empty); error.failed())
                    return error;
                XmlElement *placed = nullptr;
                if (open.empty()) {
                    root = std::move(element);
                    placed = &root;
                    haveRoot = true;
                } else {
                    open.back()->children.push_back(std::move(element));
                    placed = &open.back()->children.back();
                }
                if (!empty) {
                    if (static_cast<int>(open.size()) >= maxXmlDepth)
                        return lineError(placed->line,
                                         "elements nest deeper than "
                                             + std::to_string(maxXmlDepth));
                    open.push_back(placed);
                }
            }
        }
        if (!open.empty())
            return lineError(line,
                             "the file ends inside <" + open.back()->name + "> of line "
                                 + std::to_string(open.back()->line));
        if (!haveRoot)
            return lineError(line, "the file holds no XML element");
        return {};
    }

private:
    bool startsWith(std::string_view prefix) const
    {
        return text.substr(pos, prefix.size()) == prefix;
    }

    void advanceTo(size_t end)
    {
        for (; pos < end && pos < text.size(); ++pos)
            if (text[pos] == '\n')
                ++line;
    }

    void skipBlanks()
    {
        while (pos < text.size() && isXmlBlank(text[pos]))
            advanceTo(pos + 1);
    }

    ParseError skipPast(std::string_view end, const char *what)
    {
        const int at = line;
        const size_t found = text.find(end, pos + 2);
        if (found == std::string_view::npos)
            return lineError(at, std::string(what) + " without its end");
        advanceTo(found + end.size());
        return {};
    }

    // <!DOCTYPE ...> with an optional internal subset in brackets.
    ParseError skipDeclaration()
    {
        const int at = line;
        int brackets = 0;
        for (size_t i = pos + 2; i < text.size(); ++i) {
            if (text[i] == '[')
                ++brackets;
            else if (text[i] == ']')
                --brackets;
            else if (text[i] == '>' && brackets <= 0) {
                advanceTo(i + 1);
                return {};
            }
        }
        return lineError(at, "declaration without its '>'");
    }

    std::string readName()
    {
        const size_t start = pos;
        while (pos < text.size() && isNameCharacter(text[pos]))
            ++pos;
        return std::string(text.substr(start, pos - start));
    }

    // Character data up to the next '<' (or, in an attribute, the quote).
    ParseError readCharacterData(std::string &out, char stop = '<')
    {
        while (pos < text.size() && text[pos] != stop) {
            if (stop != '<' && text[pos] == '<')
                return lineError(line, "'<' inside an attribute value");
            if (text[pos] != '&') {
                out += text[pos];
                advanceTo(pos + 1);
                continue;
            }
            const size_t semicolon = text.find(';', pos);
            if (semicolon == std::string_view::npos || semicolon - pos > 10)
                return lineError(line, "'&' that starts no entity");
            const std::string_view entity = text.substr(pos + 1, semicolon - pos - 1);
            if (ParseError error = appendEntity(entity, out); error.failed())
                return error;
            advanceTo(semicolon + 1);
        }
        return {};
    }

    ParseError appendEntity(std::string_view entity, std::string &out) const
    {
        static constexpr std::pair<std::string_view, char> named[]
            = { { "lt", '<' }, { "gt", '>' }, { "amp", '&' }, { "quot", '"' }, { "apos", '\'' } };
        for (const auto &[name, c] : named)
            if (entity == name) {
                out += c;
                return {};
            }
        if (entity.size() >= 2 && entity[0] == '#') {
            const bool hex = entity[1] == 'x';
            uint32_t code = 0;
            const std::string_view digits = entity.substr(hex ? 2 : 1);
            bool valid = !digits.empty();
            for (char c : digits) {
                const unsigned char u = static_cast<unsigned char>(c);
                if (hex ? !std::isxdigit(u) : !std::isdigit(u)) {
                    valid = false;
                    break;
                }
                code = code * (hex ? 16 : 10)
                    + static_cast<uint32_t>(std::isdigit(u) ? c - '0' : std::tolower(u) - 'a' + 10);
                if (code > 0x10FFFF)
                    valid = false;
            }
            if (valid && code != 0) {
                appendUtf8(out, code);
                return {};
            }
        }
        return lineError(line, "unknown entity &" + std::string(entity) + ";");
    }

    ParseError readStartTag(XmlElement &element, bool &empty)
    {
        element.line = line;
        advanceTo(pos + 1);
        element.name = readName();
        if (element.name.empty())
            return lineError(line, "'<' that starts no element");
        while (true) {
            skipBlanks();
            if (pos >= text.size())
                return lineError(element.line, "tag <" + element.name + " without its '>'");
            if (text[pos] == '>') {
                advanceTo(pos + 1);
                return {};
            }
            if (startsWith("/>")) {
                empty = true;
                advanceTo(pos + 2);
                return {};
            }
            const std::string key = readName();
            if (key.empty())
                return lineError(line, "unexpected character in the tag <" + element.name + ">");
            skipBlanks();
            if (pos >= text.size() || text[pos] != '=')
                return lineError(line, "attribute " + key + " without '='");
            advanceTo(pos + 1);
            skipBlanks();
            if (pos >= text.size() || (text[pos] != '"' && text[pos] != '\''))
                return lineError(line, "attribute " + key + " without a quoted value");
            const char quote = text[pos];
            advanceTo(pos + 1);
            std::string value;
            if (ParseError error = readCharacterData(value, quote); error.failed())
                return error;
            if (pos >= text.size())
                return lineError(element.line, "attribute " + key + " without its closing quote");
            advanceTo(pos + 1);
            if (element.attribute(key))
                return lineError(line, "second attribute " + key + " in <" + element.name + ">");
            if (element.attributes.size() >= static_cast<size_t>(maxXmlAttributes))
                return lineError(line,
                                 "more than " + std::to_string(maxXmlAttributes)
                                     + " attributes in <" + element.name + ">");
            if (++elements > maxXmlElements)
                return lineError(line,
                                 "more than " + std::to_string(maxXmlElements)
                                     + " elements and attributes");
            element.attributes.emplace_back(key, std::move(value));
        }
    }

    std::string_view text;
    size_t pos = 0;
    int line = 1;
    int elements = 0;
};

} // namespace

ParseError parseXmlDocument(std::string_view content, XmlElement &root)
{
    XmlElement parsed;
    ParseError error = XmlReader(content).read(parsed);
    if (!error.failed())
        root = std::move(parsed);
    return error;
}

std::string escapedXml(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace zd
