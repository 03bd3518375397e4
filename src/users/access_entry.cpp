#include "users/access_entry.h"

const char16_t* PermissionWord(int64_t permission) {
  return permission == 1 ? u"read-only" : permission == 2 ? u"read-and-write" : u"none";
}
