#pragma once
// Namespace names of the SOAP 1.1 section 5 encoding, the service's own namespaces
// and the three XML Schema versions a reply may be written in.
#include <QLatin1StringView>
#include <QStringView>

namespace soap {
inline constexpr QLatin1StringView Envelope{"http://schemas.xmlsoap.org/soap/envelope/"};
inline constexpr QLatin1StringView Encoding{"http://schemas.xmlsoap.org/soap/encoding/"};
inline constexpr QLatin1StringView Operaciones{"urn:trazenIntf-Itrazen"};
inline constexpr QLatin1StringView Tipos{"urn:trazenIntf"};

inline constexpr QLatin1StringView Xsd1999{"http://www.w3.org/1999/XMLSchema"};
inline constexpr QLatin1StringView Xsi1999{"http://www.w3.org/1999/XMLSchema-instance"};
inline constexpr QLatin1StringView Xsd2000{"http://www.w3.org/2000/10/XMLSchema"};
inline constexpr QLatin1StringView Xsi2000{"http://www.w3.org/2000/10/XMLSchema-instance"};
inline constexpr QLatin1StringView Xsd2001{"http://www.w3.org/2001/XMLSchema"};
inline constexpr QLatin1StringView Xsi2001{"http://www.w3.org/2001/XMLSchema-instance"};

/// True for the instance namespace of any of the three schema versions.
[[nodiscard]] inline bool esEspacioXsi(QStringView ns)
{
    return ns == Xsi2001 || ns == Xsi2000 || ns == Xsi1999;
}
} // namespace soap
