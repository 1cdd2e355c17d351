// Throughput of the frame cutter on a received byte stream and of the request queue under a fader drag.

#include "device/SendMode.h"
#include "transport/LFrameCutter.h"
#include "transport/LRequestQueue.h"

#include <benchmark/benchmark.h>

namespace {

BytePacket Frame(std::uint8_t code, std::size_t payload)
{
    BytePacket f { 0x10, 0x02, 0x01, 0x00, static_cast<std::uint8_t>(payload + 1), code };
    for (std::size_t i = 0; i < payload; ++i)
        f.push_back(static_cast<std::uint8_t>(i * 13));
    f.push_back(0x10);
    f.push_back(0x03);
    std::uint8_t x = 0;
    for (auto b : f)
        x ^= b;
    f.push_back(x);
    return f;
}

// A stream like a connection's upload: acknowledges, names, program blocks and level replies, with a
// little noise between some of them.
BytePacket Stream(std::size_t frames)
{
    const BytePacket kinds[] = { Frame(0x01, 0), Frame(0x29, 15), Frame(0x24, 51), Frame(0x40, 37) };
    BytePacket s;
    for (std::size_t i = 0; i < frames; ++i) {
        const auto& f = kinds[i % 4];
        s.insert(s.end(), f.begin(), f.end());
        if (i % 16 == 0)
            s.push_back(0x55);
    }
    return s;
}

void BM_FrameCutter(benchmark::State& state)
{
    const std::size_t frames = 4096;
    const BytePacket stream = Stream(frames);
    std::size_t cut = 0;
    for (auto _ : state) {
        LFrameCutter c;
        for (std::uint8_t b : stream)
            cut += c.Push(b);
        benchmark::DoNotOptimize(cut);
    }
    state.counters["frames/s"] = benchmark::Counter(static_cast<double>(cut), benchmark::Counter::kIsRate);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.size()));
}
BENCHMARK(BM_FrameCutter);

void BM_QueueFaderDrag(benchmark::State& state)
{
    // 1000 gain frames of one fader queued behind a frame in flight, then the queue drained.
    std::vector<BytePacket> gains;
    for (int v = 0; v < 1000; ++v)
        gains.push_back(Frame(0x34, 3));
    std::size_t sent = 0;
    for (auto _ : state) {
        LRequestQueue q;
        for (const auto& g : gains)
            q.Push(g, SEND_REPLACE);
        BytePacket out;
        while (q.Pop(out))
            ++sent;
        benchmark::DoNotOptimize(out);
    }
    state.counters["queued frames/s"] = benchmark::Counter(static_cast<double>(state.iterations() * gains.size()), benchmark::Counter::kIsRate);
    state.counters["sent per drag"] = static_cast<double>(sent) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_QueueFaderDrag);

} // namespace
