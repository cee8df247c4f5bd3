#pragma once
// The author's name and addresses, shown and used in several windows.

inline constexpr const char* kAuthorName = "Tomáš Vrána";
// The author's web site: its host name, and the full address.
inline constexpr const char* kAuthorSiteHost = "kalnor.wz.cz";
inline constexpr const char* kAuthorSiteUrl = "http://kalnor.wz.cz/";
// An address on the author's second web site; the trailing blank is part of it.
inline constexpr const char* kAuthorSecondSiteUrl = "http://www.kalnor.webpark.cz/ ";
// The author's mail address (mail button, help window) and the second one.
inline constexpr const char* kAuthorMail = "tomas.vrana@example.com";
inline constexpr const char* kAuthorSecondMail = "kalnor.internet@example.net";
