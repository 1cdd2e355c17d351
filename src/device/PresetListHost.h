#pragma once
// The two preset lists the model writes stored-preset names into (recall rows 1..30, store rows 0..29).

#include <string>

class PresetListHost
{
public:
    virtual ~PresetListHost() = default;

    virtual void SetRecallRowName(int row, const std::string& name) = 0;
    virtual void SetStoreRowName(int row, const std::string& name) = 0;

protected:
    PresetListHost() = default;
    PresetListHost(const PresetListHost&) = default;
    PresetListHost& operator=(const PresetListHost&) = default;
};
