#pragma once
// The plot's image lists in its form stream: a count, then each picture as a length and PNG bytes.

#include "platform/core/TStream.h"
#include "platform/ui/TImageList.h"

// Raises EWriteError "Failed to write ImageList data to stream" when a picture cannot be encoded
// or the stream takes no more.
void iWriteImageList(vcl::TStream& Stream, const vcl::TImageList& List);
// Clears List, then reads it back; a short, garbled or foreign block raises EReadError
// "Failed to read ImageList data from stream" and leaves the list empty.
void iReadImageList(vcl::TStream& Stream, vcl::TImageList& List);
