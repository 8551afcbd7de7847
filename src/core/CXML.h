#pragma once

#include "platform/XmlDocument.h"

#include <QString>

#include <memory>
#include <optional>

// Reads and writes single values of the settings document.
class CXML {
public:
    // Throws the text "Unable to create XML parser object." (const wchar_t*)
    // when no document can be made.
    CXML();
    virtual ~CXML();

    // The text of the first element the path selects; nullopt when none.
    std::optional<QString> GetValue(const QString& path) const;
    // Sets the text of the element of that name under the root "Options",
    // appending the element when missing; writes nothing without a root.
    void SetValue(const QString& name, const QString& value);

    std::unique_ptr<platform::XmlDocument> m_pDoc;
};
