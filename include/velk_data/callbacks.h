// Host callbacks. The host registers them on the root object (IData); the module calls them
// on the thread that is running Load or Update (listeners also from Clear), passing back the
// context pointer the host gave with the function. The module never owns a context.
#ifndef VELK_DATA_CALLBACKS_H_
#define VELK_DATA_CALLBACKS_H_

#include <cstdint>

namespace velk_data {

// Receives one meta-data section of a message ("timestamps", "user", "schedule",
// "notification") as JSON object text under its key. Returning false rejects the section.
typedef bool (*MetaDataCallback)(void* context, const char16_t* key, const char16_t* json);

// Called once after each message has been read successfully, before derived state is rebuilt.
typedef void (*LoadedCallback)(void* context);

// Called every 1000 items of a message. processed and count are equal: both are the number of
// items handled so far in that message.
typedef void (*ProgressCallback)(void* context, uint32_t processed, uint32_t count);

// Called after every successful intake and after a Clear of loaded data.
// flags: 0 full load, 1 update, 2 cleared. IData::WasTypeChanged tells which types changed.
typedef void (*ChangeListener)(void* context, uint32_t flags);

}  // namespace velk_data

#endif  // VELK_DATA_CALLBACKS_H_
