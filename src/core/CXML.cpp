#include "core/CXML.h"

CXML::CXML() : m_pDoc(platform::XmlDocument::create())
{
    if (!m_pDoc)
        throw L"Unable to create XML parser object.";
}

CXML::~CXML() = default;

std::optional<QString> CXML::GetValue(const QString& path) const
{
    const auto element = m_pDoc->selectSingleNode(path);
    if (element.isNull())
        return std::nullopt;
    return m_pDoc->text(element);
}

void CXML::SetValue(const QString& name, const QString& value)
{
    auto element = m_pDoc->selectSingleNode(QStringLiteral("Options/") + name);
    if (!element.isNull()) {
        m_pDoc->setText(element, value);
        return;
    }
    const auto root = m_pDoc->selectSingleNode(QStringLiteral("Options"));
    if (root.isNull())
        return;
    element = m_pDoc->appendElement(root, name);
    if (!element.isNull())
        m_pDoc->setText(element, value);
}
