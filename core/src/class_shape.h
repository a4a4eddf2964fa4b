// Every class value in its declared shape — a unit, newtype or struct variant
// with its fields in order — told to a writer, so that the JSON form and the
// structural dump share one description of the classes. A writer provides:
//   unit(variant)                      a unit variant
//   newtype(variant, payload)          a newtype variant with a unit payload
//   begin_struct(variant)              a struct variant; then for each field:
//   field(name, first), one of name_value / list_value / optional_value,
//   end_field(); finally end_struct()
#pragma once

#include <variant>

#include "tarvik/model.h"
#include "variant_names.h"

namespace tarvik {

template <class W>
void write_class(W& w, const AtomicClass& c) {
    const std::string_view variant = names::of(c);
    std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, atomic::StandaloneMacho>) {
                w.begin_struct(variant);
                w.field("arch_word", true);
                w.name_value(names::of(v.arch_word));
                w.end_field();
                w.field("endianness", false);
                w.name_value(names::of(v.endianness));
                w.end_field();
                w.field("kind", false);
                w.name_value(names::of(v.kind));
                w.end_field();
                w.end_struct();
            } else if constexpr (std::is_same_v<T, atomic::Pem> ||
                                 std::is_same_v<T, atomic::Ambiguous>) {
                w.begin_struct(variant);
                if constexpr (std::is_same_v<T, atomic::Pem>) {
                    w.field("labels", true);
                    w.list_value(v.labels);
                } else {
                    w.field("reasons", true);
                    w.list_value(v.reasons);
                }
                w.end_field();
                w.end_struct();
            } else if constexpr (std::is_same_v<T, atomic::Shebang>) {
                w.begin_struct(variant);
                w.field("interpreter", true);
                w.optional_value(v.interpreter);
                w.end_field();
                w.end_struct();
            } else if constexpr (std::is_same_v<T, atomic::PropertyList>) {
                w.newtype(variant, names::of(v.format));
            } else if constexpr (std::is_same_v<T, atomic::Archive>) {
                w.newtype(variant, names::of(v.kind));
            } else if constexpr (std::is_same_v<T, atomic::OtherFileTypes>) {
                w.newtype(variant, names::of(v.top));
            } else {
                w.unit(variant);
            }
        },
        c);
}

template <class W>
void write_class(W& w, const CompositeClass& c) {
    if (const auto* b = std::get_if<composite::Bundle>(&c))
        w.newtype(names::of(c), names::of(b->kind));
    else
        w.unit(names::of(c));
}

}  // namespace tarvik
