// CItem: the shape every item class shares, written once. An item class derives from
// CItem<itself, its interface, its collection interface>, names its type word and collection,
// and describes its fields once in a static Fields(archive, item) function that drives both
// the JSON reader and the JSON writer (see json_fields.h):
//
//   class CWorkplace : public CItem<CWorkplace, velk_data::IWorkplace, velk_data::IWorkplaces> {
//     static constexpr const char16_t* kTypeName = u"workplace";
//     using Collection = CWorkplaces;
//     template <class A, class S> static void Fields(A& ar, S& s) {
//       ar.Int(u"position", s.m_position);
//       ar.Text(u"name", s.m_name);
//     }
//   };
//
// Master items the host lists by position add kListedByPosition (GetJSON(1) then gives the
// short form). Records held by an owner add kOwnerKey ("employee_id", ...); records kept in an
// ordered collection add SortKey(), and FromJSON then repositions them when a sort key changes.
#pragma once

#include <string>
#include <type_traits>

#include "items/item_base.h"
#include "items/items_base.h"
#include "items/json_fields.h"
#include "json/json_value.h"
#include "velk_data/items.h"

namespace item_detail {
template <class T, class = void>
struct HasSortKey : std::false_type {};
template <class T>
struct HasSortKey<T, std::void_t<decltype(std::declval<const T&>().SortKey())>> : std::true_type {};
template <class T, class = void>
struct HasPositionForm : std::false_type {};
template <class T>
struct HasPositionForm<T, std::void_t<decltype(T::kListedByPosition)>> : std::true_type {};
template <class T, class = void>
struct HasOwnerKey : std::false_type {};
template <class T>
struct HasOwnerKey<T, std::void_t<decltype(T::kOwnerKey)>> : std::true_type {};

// Empties a class's text buffer for the next text. Its storage is kept, and made large on first
// use, so that every call returns the same pointer (the caller's copy of a previous pointer
// reads the new text) unless a text outgrows it.
void ReuseBuffer(std::u16string& buffer);

// Compact text of an object with only "id" and "position", the short form of listed items.
const char16_t* PositionForm(std::u16string& buffer, int32_t id, int32_t position);
}  // namespace item_detail

template <class Derived, class Interface, class CollectionInterface>
class CItem : public Interface, public CItemBase {
 public:
  using InterfaceType = Interface;

  CItem(velk_data::IData* data, CItemsBase* collection) : CItemBase(data, collection) {}

  velk_data::IData* GetData() const override { return m_data; }
  int32_t GetId() const override { return m_id; }
  void SetId(int32_t id) override {
    if (id == m_id) return;
    m_id = id;
    if (m_owned) Owner()->OnIdChanged();
  }
  // Records reference their owner and every item a reference field of theirs names; master
  // items that refer to others say so themselves.
  bool References(const velk_data::IItem* other) const override {
    if constexpr (item_detail::HasOwnerKey<Derived>::value) {
      if (!other) return false;
      if (auto* holder = Holder(); holder && static_cast<const velk_data::IItem*>(holder) == other)
        return true;
      CReferenceFinder finder(other);
      Derived::Fields(finder, Self());
      return finder.Found();
    } else {
      (void)other;
      return false;
    }
  }
  const char16_t* GetTypeName() const override { return Derived::kTypeName; }
  void Release() override {
    if (!m_owned) delete this;
  }
  CollectionInterface* GetCollection() const override { return m_collection ? Owner() : nullptr; }

  const char16_t* GetJSON(uint32_t kind) const override {
    if constexpr (item_detail::HasPositionForm<Derived>::value) {
      if (kind == 1) {
        static std::u16string buffer;  // one per item class, overwritten by the next call
        return item_detail::PositionForm(buffer, m_id, Self().GetPosition());
      }
    }
    return ToJSON();
  }

  const char16_t* ToJSON() const override {
    static std::u16string buffer;  // one per item class, overwritten by the next call
    velk_json::CJSONObject json;
    CJsonWriter writer(json);
    if (m_id > 0) writer.Int(u"id", m_id);
    if constexpr (item_detail::HasOwnerKey<Derived>::value) {
      if (m_collection) writer.Int(Derived::kOwnerKey, OwnerId());
    }
    Derived::Fields(writer, Self());
    item_detail::ReuseBuffer(buffer);
    velk_json::AppendText(json, false, buffer);
    return buffer.c_str();
  }

  void FromJSON(const velk_json::CJSONObject& json, bool reposition) override {
    Derived& self = static_cast<Derived&>(*this);
    if constexpr (item_detail::HasSortKey<Derived>::value) {
      const auto before = self.SortKey();
      auto moved = [&] {
        if (reposition && m_owned && !(self.SortKey() == before))
          Owner()->Reposition(&self, before);
      };
      try {
        Read(json, self);
      } catch (...) {
        // The fields read before the failure stay, so a changed key must still move the item:
        // the ordered collection stays ordered.
        moved();
        throw;
      }
      moved();
    } else {
      (void)reposition;
      Read(json, self);
    }
  }

 protected:
  const Derived& Self() const { return static_cast<const Derived&>(*this); }
  auto* Owner() const { return static_cast<typename Derived::Collection*>(m_collection); }
  // The item whose record collection holds (or, while free, made) this record.
  auto* Holder() const {
    using HolderType = decltype(Owner()->OwnerItem());
    return m_collection ? Owner()->OwnerItem() : HolderType(nullptr);
  }

 private:
  int32_t OwnerId() const {
    auto* owner = Holder();
    return owner ? owner->GetId() : -1;
  }
  void Read(const velk_json::CJSONObject& json, Derived& self) {
    CJsonReader reader(json, m_data);
    int32_t id = m_id;
    reader.Int(u"id", id);
    self.SetId(id);
    Derived::Fields(reader, self);
  }
};
