/* Forced into libarchive's string conversions for the Windows build: the
 * kit hands libarchive every name in UTF-8, and the Windows C library cannot
 * be switched to a UTF-8 locale, so libarchive is told that it is in one.
 * Joliet names are then made from UTF-8, and Rock Ridge names stay UTF-8. */
#include <locale.h>

static inline char* vendisc_utf8_locale(int category, const char* locale) {
  (void)category;
  (void)locale;
  return (char*)"C.utf8";
}
#define setlocale vendisc_utf8_locale
