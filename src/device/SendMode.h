#pragma once
// How a frame is queued behind one in flight: replacing a waiting frame of the same command, or appended.

enum SendMode : int
{
    SEND_REPLACE = 0,
    SEND_APPEND = 1,
};
