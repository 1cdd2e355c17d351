#pragma once
// The channel of XY plots: points in any X order drawn in the order they were added, the data
// extents for zoom-to-fit, adds for gap points, and X and Y fed from two OPC items.

#include "plot/iPlotBlockSummary.h"
#include "plot/iPlotChannel.h"

#include <memory>

class TiXYPlotChannel : public TiPlotChannelCustom
{
public:
    TiXYPlotChannel(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange, vcl::TNotifyEvent AOnInsert,
                    vcl::TNotifyEvent AOnRemove, vcl::TNotifyEvent AOnRename);
    ~TiXYPlotChannel() override;
    static TiPlotChannelCustom* Construct(vcl::TWinControl* AOwner, vcl::TNotifyEvent AOnChange,
                                          vcl::TNotifyEvent AOnInsert, vcl::TNotifyEvent AOnRemove,
                                          vcl::TNotifyEvent AOnRename);

    // A gap point (0, 0), straight into the list: no statistics, tracking or log.
    int AddNull();
    int AddEmpty();

    void PrepareDraw() override;
    void Draw(vcl::TCanvas* Canvas, vcl::TColor BackGroundColor) override;
    // The trace, folding pixel columns through the block summary kept for this channel.
    void DrawTrace(vcl::TCanvas* Canvas, bool XYAxesReversed, vcl::TColor BackgroundColor) override;
    void NotifyInsert() override;
    void CalcStartIndex() override;
    void CalcStopIndex() override;
    double GetZoomXMax() override;
    double GetZoomXMin() override;
    double GetZoomYMax() override;
    double GetZoomYMin() override;

    // --- OPC binding: item 0 feeds X, item 1 feeds Y ---
    QString OPCComputerName() const;
    void SetOPCComputerName(const QString& Value);
    QString OPCServerName() const;
    void SetOPCServerName(const QString& Value);
    QString OPCItemName() const;
    void SetOPCItemName(const QString& Value);
    QString OPCItem2Name() const;
    void SetOPCItem2Name(const QString& Value);
    int OPCUpdateRate() const;
    void SetOPCUpdateRate(int Value);
    double OPCScalar() const;
    void SetOPCScalar(double Value);
    double OPCOffset() const;
    void SetOPCOffset(double Value);
    double OPCScalar2() const;
    void SetOPCScalar2(double Value);
    double OPCOffset2() const;
    void SetOPCOffset2(double Value);
    bool OPCAutoConnect() const;
    void SetOPCAutoConnect(bool Value);
    bool OPCActive() const;
    bool OPCQualityGood() const;
    // The group name of this channel: its own 32-bit id as eight hexadecimal digits.
    QString OPCGroupName() const;
    void OPCActivate();
    void OPCActivateSuspend();
    void OPCDeactivate();
    void OPCUpdateSuspend();
    void OPCUpdateResume();
    TiOPCManager* OPCManager() const { return FOPCManager.get(); }
    TiOPCItemManager* OPCItemManager() const { return FOPCItemManager.get(); }

private:
    // Extents over the valid points; Pick chooses the larger (maxima) or smaller value.
    template <typename Extent, typename Pick>
    double ZoomExtent(double None, Extent extent, Pick pick);
    bool IsDesigning() const;
    void OPCUpdate();

    TiPlotBlockSummary FBlocks;
    std::unique_ptr<TiOPCManager> FOPCManager;
    std::unique_ptr<TiOPCItemManager> FOPCItemManager;
    std::uint32_t FOPCId;
};
