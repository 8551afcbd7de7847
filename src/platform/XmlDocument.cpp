#include "platform/XmlDocument.h"

#include "platform/FolderOwner.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <pugixml.hpp>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Comments, the declaration, whitespace-only text and line ends are kept, so
// that a save writes back what it read.
constexpr unsigned kParseOptions = (pugi::parse_default & ~pugi::parse_eol) | pugi::parse_comments |
                                   pugi::parse_ws_pcdata | pugi::parse_declaration |
                                   pugi::parse_doctype | pugi::parse_pi;

pugi::xml_node nodeOf(void* handle)
{
    return pugi::xml_node(static_cast<pugi::xml_node_struct*>(handle));
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

// Settings files are a few kilobytes; anything near this is not one.
constexpr qsizetype kMaxFileSize = 1 << 20;
// Temporaries are named after this; ones a killed save left behind go at the next save.
constexpr char kTemporaryPrefix[] = ".settings-";

bool hasByteOrderMark(const QByteArray& bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") ||
           bytes.startsWith("\xFE\xFF") || bytes.startsWith(QByteArray("\0\0\xFE\xFF", 4));
}

QByteArray written(const pugi::xml_document& doc, pugi::xml_encoding encoding, bool byteOrderMark)
{
    ByteWriter writer;
    const unsigned format = pugi::format_raw | pugi::format_no_declaration |
                            (byteOrderMark ? pugi::format_write_bom : 0u);
    doc.save(writer, "", format, encoding);
    return writer.bytes;
}

QByteArray rootMarkup(const pugi::xml_document& doc)
{
    ByteWriter writer;
    doc.document_element().print(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return writer.bytes;
}

// A link is written through, so that it stays a link, as long as it leads to
// a regular file or to nothing yet; anything else is replaced.
QString writeTarget(const QString& path)
{
    QString target = path;
    for (int hops = 0; hops < 40 && QFileInfo(target).isSymLink(); ++hops)
        target = QFileInfo(target).symLinkTarget();
    const QFileInfo info(target);
    if (info.isSymLink() || (info.exists() && !info.isFile()))
        return path;
    return target;
}

void removeStaleTemporaries(const QString& folder)
{
    // Only the program's single instance ever saves, so no other save is
    // under way.
    const QStringList names =
        QDir(folder).entryList({QString::fromLatin1(kTemporaryPrefix) + QStringLiteral("??????")},
                               QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        QFile::remove(folder + QLatin1Char('/') + name);
}

// The new file gets the old one's permissions, or the usual ones for a new
// file. Only a regular file's are kept: a device or a FIFO in its place is
// often open to everyone, and the settings must not become so.
bool filled(int fd, const QByteArray& bytes, const QByteArray& target)
{
    struct stat old {};
    if (::stat(target.constData(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    // A full disk or a file-size limit must fail the write, not end the program.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    const bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    std::signal(SIGXFSZ, previous);
    return ok;
}

// Gives an unnamed file a temporary name in folder; name stays empty on failure.
bool named(int fd, const QByteArray& folder, QByteArray& name)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const quint32 suffix = QRandomGenerator::global()->bounded(0x1000000u);
        const QByteArray candidate =
            folder + "/" + kTemporaryPrefix + QByteArray::number(suffix, 16).rightJustified(6, '0');
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, candidate.constData(),
                     AT_SYMLINK_FOLLOW) == 0) {
            name = candidate;
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    return false;
}

bool isReadOnly(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false; // a new file
    // The owner's write bit, not access(): the check must hold for root too.
    return S_ISDIR(info.st_mode) || !(info.st_mode & S_IWUSR);
}

} // namespace

std::unique_ptr<XmlDocument> XmlDocument::create()
{
    return std::unique_ptr<XmlDocument>(new XmlDocument);
}

XmlDocument::XmlDocument() : m_doc(std::make_unique<pugi::xml_document>()) {}
XmlDocument::~XmlDocument() = default;

bool XmlDocument::parse(const QByteArray& bytes)
{
    m_doc->reset();
    m_prolog.clear();
    m_epilog.clear();
    m_keepOutside = false;
    const pugi::xml_parse_result result =
        m_doc->load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()), kParseOptions);
    // The parser takes a second top-level element quietly; XML does not.
    int elements = 0;
    for (const pugi::xml_node node : m_doc->children())
        elements += node.type() == pugi::node_element ? 1 : 0;
    if (!result || elements != 1) {
        m_doc->reset();
        return false;
    }
    const pugi::xml_node root = m_doc->document_element();
    m_encoding = result.encoding;
    m_byteOrderMark = hasByteOrderMark(bytes);
    // What lies outside the root element is written back as it came, white
    // space and all, but only where the parser's offsets are offsets into the
    // bytes read: UTF-8 read without conversion.
    const ptrdiff_t rootStart = markupStart(root);
    if (result.encoding != pugi::encoding_utf8 || rootStart < 0)
        return true;
    // The parser ends at a NUL; whatever follows it is kept as it is.
    ptrdiff_t limit = bytes.contains('\0') ? bytes.indexOf('\0') : bytes.size();
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
    const auto file = RegularFile::read(path, kMaxFileSize);
    if (!file) {
        m_doc->reset();
        return false;
    }
    return parse(file->bytes);
}

bool XmlDocument::loadXml(const QString& text)
{
    return parse(text.toUtf8());
}

QByteArray XmlDocument::serialize() const
{
    if (m_keepOutside) {
        ByteWriter writer;
        writer.bytes = m_prolog;
        m_doc->document_element().print(writer, "", pugi::format_raw, pugi::encoding_utf8);
        writer.bytes += m_epilog;
        return writer.bytes;
    }
    const auto encoding = static_cast<pugi::xml_encoding>(m_encoding);
    QByteArray bytes = written(*m_doc, encoding, m_byteOrderMark);
    if (encoding == pugi::encoding_utf8 || loadsBackTheSame(bytes))
        return bytes;
    // A value the declared encoding cannot hold: the document goes out as
    // UTF-8, declared so, rather than with the value lost.
    pugi::xml_document copy;
    copy.reset(*m_doc);
    pugi::xml_node declaration = copy.first_child();
    if (declaration.type() == pugi::node_declaration && declaration.attribute("encoding"))
        declaration.attribute("encoding").set_value("UTF-8");
    return written(copy, pugi::encoding_utf8, false);
}

bool XmlDocument::loadsBackTheSame(const QByteArray& bytes) const
{
    XmlDocument reread;
    return reread.parse(bytes) && rootMarkup(*reread.m_doc) == rootMarkup(*m_doc);
}

bool XmlDocument::save(const QString& path) const
{
    const QString target = writeTarget(path);
    if (isReadOnly(target))
        return false;
    const QByteArray bytes = serialize();
    // A file that would not read back as this document is never put in place.
    if (!loadsBackTheSame(bytes))
        return false;
    const QByteArray targetName = QFile::encodeName(target);
    const QString folder = QFileInfo(target).absolutePath();
    removeStaleTemporaries(folder);
    const QByteArray folderName = QFile::encodeName(folder);
    // Written unnamed where the file system allows, and named only once
    // complete, so that a save killed while writing leaves nothing behind.
    QByteArray temporary;
    int fd = ::open(folderName.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    bool ok = fd >= 0 && filled(fd, bytes, targetName) && named(fd, folderName, temporary);
    if (fd >= 0)
        ok = (::close(fd) == 0) && ok;
    if (!ok && temporary.isEmpty()) {
        temporary = folderName + "/" + kTemporaryPrefix + "XXXXXX";
        fd = ::mkstemp(temporary.data());
        if (fd < 0)
            return false;
        ok = filled(fd, bytes, targetName);
        ok = (::close(fd) == 0) && ok;
    }
    if (ok)
        ok = ::rename(temporary.constData(), targetName.constData()) == 0;
    if (!ok)
        ::unlink(temporary.constData());
    else
        FolderOwner::HandOver(target);
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
    // A loop, not recursion: a hand-made file may nest elements deeper than
    // any stack.
    std::string text;
    const pugi::xml_node top = nodeOf(element.m_node);
    pugi::xml_node node = top.first_child();
    while (node) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            text += node.value();
        if (node.type() == pugi::node_element && node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node != top && !node.next_sibling())
            node = node.parent();
        if (node == top)
            break;
        node = node.next_sibling();
    }
    return QString::fromStdString(text);
}

void XmlDocument::setText(Element element, const QString& value)
{
    if (element.isNull())
        return;
    pugi::xml_node node = nodeOf(element.m_node);
    // The parser's removal recurses into the children; lifting each child's
    // children first keeps every removal one node deep.
    while (const pugi::xml_node child = node.first_child()) {
        while (const pugi::xml_node grandchild = child.first_child())
            node.append_move(grandchild);
        node.remove_child(child);
    }
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
