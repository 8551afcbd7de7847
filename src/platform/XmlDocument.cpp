#include "platform/XmlDocument.h"

#include <QFile>
#include <QSaveFile>

#include <pugixml.hpp>

#include <atomic>
#include <sys/stat.h>

namespace platform {

namespace {

std::atomic<bool> g_creationFails{false};

// Comments, the declaration and whitespace-only text are kept, so that a save
// writes back what it read.
constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_comments | pugi::parse_ws_pcdata | pugi::parse_declaration |
    pugi::parse_doctype | pugi::parse_pi;

pugi::xml_node nodeOf(void* handle)
{
    return pugi::xml_node(static_cast<pugi::xml_node_struct*>(handle));
}

void collectText(pugi::xml_node node, std::string& out)
{
    for (pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            out += child.value();
        else if (child.type() == pugi::node_element)
            collectText(child, out);
    }
}

struct ByteWriter final : pugi::xml_writer {
    QByteArray bytes;
    void write(const void* data, size_t size) override
    {
        bytes.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }
};

bool isReadOnly(const QString& path)
{
    struct stat info{};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false; // a new file
    // The owner's write bit, not access(): the check must hold for root too.
    return S_ISDIR(info.st_mode) || !(info.st_mode & S_IWUSR);
}

} // namespace

std::unique_ptr<XmlDocument> XmlDocument::create()
{
    if (g_creationFails)
        return nullptr;
    return std::unique_ptr<XmlDocument>(new XmlDocument);
}

void XmlDocument::setCreationFailsForTesting(bool fails)
{
    g_creationFails = fails;
}

XmlDocument::XmlDocument() : m_doc(std::make_unique<pugi::xml_document>()) {}
XmlDocument::~XmlDocument() = default;

bool XmlDocument::parse(const QByteArray& bytes)
{
    m_doc->reset();
    m_utf16 = bytes.startsWith("\xFF\xFE");
    const pugi::xml_parse_result result =
        m_doc->load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()), kParseOptions);
    if (!result || !m_doc->document_element()) {
        m_doc->reset();
        return false;
    }
    return true;
}

bool XmlDocument::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return parse(file.readAll());
}

bool XmlDocument::loadXml(const QString& text)
{
    return parse(text.toUtf8());
}

QByteArray XmlDocument::serialize() const
{
    ByteWriter writer;
    const unsigned format = pugi::format_raw | pugi::format_no_declaration |
                            (m_utf16 ? pugi::format_write_bom : 0u);
    m_doc->save(writer, "", format, m_utf16 ? pugi::encoding_utf16_le : pugi::encoding_utf8);
    return writer.bytes;
}

bool XmlDocument::save(const QString& path) const
{
    if (isReadOnly(path))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = serialize();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

XmlDocument::Element XmlDocument::selectSingleNode(const QString& path) const
{
    pugi::xml_node node = *m_doc;
    for (const QString& name : path.split(QLatin1Char('/'))) {
        node = node.child(name.toUtf8().constData());
        if (!node)
            return {};
    }
    return Element(node.internal_object());
}

QString XmlDocument::text(Element element) const
{
    if (element.isNull())
        return {};
    std::string text;
    collectText(nodeOf(element.m_node), text);
    return QString::fromStdString(text);
}

void XmlDocument::setText(Element element, const QString& value)
{
    if (element.isNull())
        return;
    pugi::xml_node node = nodeOf(element.m_node);
    while (node.first_child())
        node.remove_child(node.first_child());
    if (!value.isEmpty())
        node.append_child(pugi::node_pcdata).set_value(value.toUtf8().constData());
}

XmlDocument::Element XmlDocument::appendElement(Element parent, const QString& name)
{
    if (parent.isNull())
        return {};
    pugi::xml_node child = nodeOf(parent.m_node).append_child(name.toUtf8().constData());
    return child ? Element(child.internal_object()) : Element();
}

} // namespace platform
