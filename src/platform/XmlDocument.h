#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace pugi {
class xml_document;
}

namespace platform {

// An XML document that changes only what it is told to: comments, unknown
// elements, attributes and whitespace of a loaded file survive a save.
class XmlDocument final {
public:
    class Element {
    public:
        Element() = default;
        bool isNull() const { return m_node == nullptr; }

    private:
        friend class XmlDocument;
        explicit Element(void* node) : m_node(node) {}
        void* m_node = nullptr;
    };

    // nullptr when no document can be made, which the parser here never
    // refuses; the callers still say so when it happens.
    static std::unique_ptr<XmlDocument> create();

    ~XmlDocument();
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // False for a missing, unreadable or not well-formed file (an empty one
    // too), and for anything but a regular file of at most a megabyte.
    bool load(const QString& path);
    bool loadXml(const QString& text);
    // Writes the whole document to a temporary file beside the target and
    // renames it over the target, so a failure never leaves a torn file; a
    // symbolic link is written through. Nothing is written that would not
    // load back as this document.
    // False, with the old file untouched, when the target is read-only (its
    // owner may not write it) or the write fails.
    bool save(const QString& path) const;

    // The first element a path of element names selects ("Options/fSnow"),
    // starting at the document.
    Element selectSingleNode(const QString& path) const;
    // The element's text: all text below it, concatenated.
    QString text(Element element) const;
    // Replaces the element's content with one text.
    void setText(Element element, const QString& value);
    // A new element appended as the last child of parent; null on failure.
    Element appendElement(Element parent, const QString& name);

private:
    XmlDocument();
    bool parse(const QByteArray& bytes);
    // The document as save() writes it: in the encoding it was read in.
    QByteArray serialize() const;
    bool loadsBackTheSame(const QByteArray& bytes) const;

    std::unique_ptr<pugi::xml_document> m_doc;
    // The parser's encoding of the bytes read (pugi::xml_encoding).
    int m_encoding = 0;
    bool m_byteOrderMark = false;
    // The bytes before and after the root element, written back unchanged.
    bool m_keepOutside = false;
    QByteArray m_prolog;
    QByteArray m_epilog;
};

} // namespace platform
