#pragma once

#include <utility>

#include "clip.h"

// A script value: 'v' (undefined), 'c' clip, 'i' integer, 'f' float, 'a' array.
// An array refers to elements that its creator keeps alive; a clip value holds
// a counted reference.
class AVSValue {
public:
    AVSValue() = default;
    AVSValue(IClip* clip) : type_('c') {
        value_.clip = clip;
        acquire();
    }
    AVSValue(const PClip& clip) : AVSValue(clip.get()) {}
    AVSValue(int value) : type_('i') { value_.integer = value; }
    AVSValue(float value) : type_('f') { value_.floating = value; }
    AVSValue(double value) : AVSValue(static_cast<float>(value)) {}
    AVSValue(const AVSValue* elements, int size) : type_('a'), arraySize_(static_cast<short>(size)) {
        value_.array = elements;
    }

    AVSValue(const AVSValue& other) : type_(other.type_), arraySize_(other.arraySize_), value_(other.value_) {
        acquire();
    }
    AVSValue& operator=(AVSValue other) noexcept {
        std::swap(type_, other.type_);
        std::swap(arraySize_, other.arraySize_);
        std::swap(value_, other.value_);
        return *this;
    }
    ~AVSValue() {
        if (IsClip() && value_.clip) value_.clip->Release();
    }

    bool Defined() const { return type_ != 'v'; }
    bool IsClip() const { return type_ == 'c'; }
    bool IsInt() const { return type_ == 'i'; }
    // An integer is acceptable wherever a float is.
    bool IsFloat() const { return type_ == 'f' || type_ == 'i'; }
    bool IsArray() const { return type_ == 'a'; }

    PClip AsClip() const { return IsClip() ? PClip(value_.clip) : PClip(); }
    int AsInt() const { return IsInt() ? value_.integer : 0; }
    double AsFloat() const { return IsInt() ? value_.integer : type_ == 'f' ? value_.floating : 0.0; }

    int ArraySize() const { return IsArray() ? arraySize_ : 1; }
    const AVSValue& operator[](int index) const { return IsArray() ? value_.array[index] : *this; }

private:
    void acquire() const {
        if (IsClip() && value_.clip) value_.clip->AddRef();
    }

    union Payload {
        IClip* clip;
        int integer;
        float floating;
        const AVSValue* array;
    };

    short type_ = 'v';
    short arraySize_ = 0;
    Payload value_{};
};
