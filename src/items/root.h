// Items and collections keep the root object as the host sees it; the model reaches the
// concrete root through this one conversion.
#pragma once

namespace velk_data {
class IData;
}
class CData;

CData* RootOf(velk_data::IData* data);
