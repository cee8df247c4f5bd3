#pragma once
// The author's addresses, shown and used in several windows.

// The author's web site: its host name, and the full address.
inline constexpr const char* kAuthorSiteHost = "kalnor.wz.cz";
inline constexpr const char* kAuthorSiteUrl = "http://kalnor.wz.cz/";
// An address on the author's second web site; the trailing blank is part of it.
inline constexpr const char* kAuthorSecondSiteUrl = "http://www.kalnor.webpark.cz/ ";
