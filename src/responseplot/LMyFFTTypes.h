#pragma once
// Enumerations and the curve list of the response plot controls.

#include "platform/core/TColor.h"

#include <cstdint>
#include <memory>
#include <vector>

enum class TMyAxisStyle { Box, Centered, CenteredBox, LB, None };
enum class TMyAxisFormat { Linear, Log };
enum class TStringFloatFormat { sffGeneral, sffExponent, sffFixed, sffNumber, sffCurrency };
// N = 256 * 2^ordinal points on the frequency axis.
enum class TFFTNumber { n256, n512, n1024, n2048, n4096 };
// The top of the frequency axis is 24000 * (ordinal + 1) Hz.
enum class TSampleRate { n48000, n96000, n192000 };
// 0 line; 1 squares in the curve colour; 2 squares in the control colour; 3 and 4 line and squares.
using TMyPlotStyle = int;

// One curve: owned copies of its points, colour, style and the caller's id.
struct TPlotListMember
{
    std::vector<double> X;
    std::vector<double> Y;
    vcl::TColor Color { 0 };
    TMyPlotStyle Style { 0 };
    int NumPoints { 0 };
    int Id { 0 };
    std::unique_ptr<TPlotListMember> Next;
};

// The curves by id, newest at the head; an addition under a known id replaces that curve's points.
class TPlotList
{
public:
    TPlotList() = default;
    // A deep copy holding the curves in reverse order (each copy is put at the head).
    TPlotList(const TPlotList& other);
    TPlotList& operator=(const TPlotList&) = delete;
    ~TPlotList();

    // True when the id existed (its points replaced, colour and style kept); false when added at the head.
    bool Add(const double* x, const double* y, int n, int id, vcl::TColor colour, TMyPlotStyle style);
    const TPlotListMember* Find(int id) const;
    // The member to change in place (its colour or style); counts as a change of the list.
    TPlotListMember* FindToChange(int id);
    bool Remove(int id);
    void Clear();
    void Append(const TPlotList& other);

    const TPlotListMember* Head() const { return m_head.get(); }
    // Changes with every change of the list or its members; no two lists share a value.
    std::uint64_t Generation() const { return m_generation; }

private:
    TPlotListMember* FindMember(int id) const;
    void Changed();

    std::unique_ptr<TPlotListMember> m_head;
    std::uint64_t m_generation { 0 };
};
