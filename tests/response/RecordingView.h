#pragma once
// A plot control stand-in that records what a curve set asks of it.

#include "response/ResponseView.h"

#include <map>
#include <string>
#include <vector>

class RecordingView : public ResponseView
{
public:
    struct Curve
    {
        std::vector<double> y;
        vcl::TColor colour { 0 };
        int style { 0 };
    };
    struct Block
    {
        double y { 0 };
        double x { 0 };
        vcl::TColor colour { 0 };
        bool hidden { false };
        int kind { 0 };
        double freq { 0 };
        double gain { 0 };
        double q { 0 };
        int curveType { 0 };
    };
    struct Param
    {
        int layout { 0 };
        double gain { 0 };
        double x { 0 };
        float freq { 0 };
        double q { 0 };
        vcl::TColor colour { 0 };
    };

    bool FFTDraw(const double* y, int n, int id, vcl::TColor colour, int style) override
    {
        calls.push_back("FFTDraw " + std::to_string(id));
        auto it = curves.find(id);
        const bool existed = it != curves.end();
        Curve& c = curves[id];
        c.y.assign(y, y + n);
        if (!existed) {
            c.colour = colour;
            c.style = style;
        }
        return existed;
    }
    bool RemovePlot(int id) override
    {
        calls.push_back("RemovePlot " + std::to_string(id));
        return curves.erase(id) > 0;
    }
    void DrawBlock(double y, double x, vcl::TColor colour, int index, bool hidden, int kind) override
    {
        calls.push_back("DrawBlock " + std::to_string(index));
        Block& b = blocks[index];
        b.y = y;
        b.x = x;
        b.colour = colour;
        b.hidden = hidden;
        b.kind = kind;
    }
    void SetBlockParameter(int index, double freqHz, double gainDb, double q, int curveType) override
    {
        calls.push_back("SetBlockParameter " + std::to_string(index));
        Block& b = blocks[index];
        b.freq = freqHz;
        b.gain = gainDb;
        b.q = q;
        b.curveType = curveType;
    }
    void DrawParam(int layout, double gain, double x, float freqHz, double q, vcl::TColor colour) override
    {
        calls.push_back("DrawParam " + std::to_string(layout));
        param = Param { layout, gain, x, freqHz, q, colour };
    }
    void DrawCurveFill(int type, const double* curve, int count) override
    {
        calls.push_back("DrawCurveFill " + std::to_string(type));
        fill.assign(curve, curve + count);
    }
    void SetCurveDisplay(bool on) override
    {
        calls.push_back(on ? "SetCurveDisplay 1" : "SetCurveDisplay 0");
        curveDisplay = on;
    }

    std::vector<std::string> calls;
    std::map<int, Curve> curves;
    std::map<int, Block> blocks;
    Param param;
    std::vector<double> fill;
    bool curveDisplay { false };
};
