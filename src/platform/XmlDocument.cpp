#include "platform/XmlDocument.h"

#include <QFile>
#include <QFileInfo>

#include <pugixml.hpp>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::atomic<bool> g_creationFails{false};

// Comments, the declaration, whitespace-only text and line ends are kept, so
// that a save writes back what it read.
constexpr unsigned kParseOptions =
    (pugi::parse_default & ~pugi::parse_eol) | pugi::parse_comments | pugi::parse_ws_pcdata |
    pugi::parse_declaration | pugi::parse_doctype | pugi::parse_pi;

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

// Where a node's markup starts in the parsed text, or -1.
ptrdiff_t markupStart(pugi::xml_node node)
{
    const ptrdiff_t offset = node.offset_debug();
    if (offset < 0)
        return -1;
    switch (node.type()) {
    case pugi::node_comment:
        return offset - 4; // "<!--"
    case pugi::node_pi:
    case pugi::node_declaration:
        return offset - 2; // "<?"
    default:
        return offset - 1; // "<"
    }
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

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
    // What lies outside the root element is never changed, so it is written
    // back as it came, white space and all.
    m_prolog.clear();
    m_epilog.clear();
    m_keepOutside = false;
    const pugi::xml_node root = m_doc->document_element();
    const ptrdiff_t rootStart = markupStart(root);
    if (m_utf16 || rootStart < 0)
        return true;
    ptrdiff_t limit = bytes.size();
    if (const pugi::xml_node after = root.next_sibling()) {
        limit = markupStart(after);
        if (limit < 0)
            return true;
    }
    const ptrdiff_t rootEnd = bytes.lastIndexOf('>', limit - 1) + 1;
    if (rootEnd <= rootStart)
        return true;
    m_prolog = bytes.left(rootStart);
    m_epilog = bytes.mid(rootEnd);
    m_keepOutside = true;
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
    if (m_keepOutside) {
        writer.bytes = m_prolog;
        m_doc->document_element().print(writer, "", pugi::format_raw, pugi::encoding_utf8);
        writer.bytes += m_epilog;
        return writer.bytes;
    }
    const unsigned format = pugi::format_raw | pugi::format_no_declaration |
                            (m_utf16 ? pugi::format_write_bom : 0u);
    m_doc->save(writer, "", format, m_utf16 ? pugi::encoding_utf16_le : pugi::encoding_utf8);
    return writer.bytes;
}

bool XmlDocument::save(const QString& path) const
{
    if (isReadOnly(path))
        return false;
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary = QFile::encodeName(QFileInfo(path).absolutePath()) + "/.settings-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    // The new file gets the old one's permissions, or the usual ones for a new file.
    struct stat old{};
    if (::stat(target.constData(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    // A full disk or a file-size limit must fail the write, not end the program.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    bool ok = writeAll(fd, serialize()) && ::fsync(fd) == 0;
    std::signal(SIGXFSZ, previous);
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = ::rename(temporary.constData(), target.constData()) == 0;
    if (!ok)
        ::unlink(temporary.constData());
    return ok;
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
