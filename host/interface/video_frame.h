#pragma once

#include "calling_convention.h"
#include "counted_ref.h"
#include "reference_count.h"

typedef unsigned char BYTE;

// One picture the host owns. Its bytes may only be written while this is the
// only reference to it; otherwise the write pointer is null.
class VideoFrame : public ReferenceCounted<VideoFrame> {
public:
    virtual ~VideoFrame() = default;

    int GetPitch() const { return pitch_; }
    int GetRowSize() const { return rowSize_; }
    int GetHeight() const { return height_; }
    const BYTE* GetReadPtr() const { return data_; }
    BYTE* GetWritePtr() const { return IsWritable() ? data_ : nullptr; }
    bool IsWritable() const { return ReferenceCount() == 1; }

protected:
    VideoFrame(BYTE* data, int pitch, int rowSize, int height)
        : data_(data), pitch_(pitch), rowSize_(rowSize), height_(height) {}

private:
    BYTE* data_;
    int pitch_;
    int rowSize_;
    int height_;
};

using PVideoFrame = CountedRef<VideoFrame>;
