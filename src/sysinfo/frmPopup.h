// The system-information popup beside the bar: the latest snapshot's OS, names, antivirus versions
// or the network title, and one block per network adapter. Made anew for every opening; a click on
// its background, icon or title closes it.
#pragma once

#include <deque>

#include "forms/FormInstance.h"
#include "forms/Image.h"
#include "forms/Label.h"

class frmPopup : public forms::Form, public forms::FormInstance<frmPopup> {
public:
    // Geometry of the adapter blocks, twips: the window's height with one block, and each further one.
    static constexpr forms::Twips kOneBlockHeight = 3450;
    static constexpr forms::Twips kBlockStep = 1330;
    static constexpr int kDesignBlocks = 3;

    // Controls, bottom-most first (the drawing order).
    forms::Image Image1;  // the program's icon, 24 x 24 pixels
    forms::Label lblTitle;
    forms::Label Line1;
    forms::Label Label1;
    forms::Label lblOSVersion;
    forms::Label Line2;
    forms::Label Label3;
    forms::Label lblComName;
    forms::Label Label4;
    forms::Label lblUserName;
    forms::Label Line3;
    forms::Label lblEngineTitle;
    forms::Label lblEngine;
    forms::Label lblDatFileTitle;
    forms::Label lblDatFile;
    forms::Label linMcAfee;
    forms::Label lblNetworkTitle;
    // One element per adapter block; block k lies 1330 * k twips below block 0. The description
    // field takes no input: it shows the text only.
    std::deque<forms::Label> txtNetworkCard;
    std::deque<forms::Label> Label9;
    std::deque<forms::Label> lblMACAddr;
    std::deque<forms::Label> Label6;
    std::deque<forms::Label> lblIPAddr;
    std::deque<forms::Label> Label8;
    std::deque<forms::Label> lblNetmask;
    std::deque<forms::Label> Label12;
    std::deque<forms::Label> lblGateway;
    std::deque<forms::Label> Line5;

private:
    friend class forms::FormInstance<frmPopup>;
    frmPopup();

    void Form_Load() override;
    void Form_Click() override;
    void Form_KeyUp(int KeyCode, int Shift) override;

    void AddAdapterBlock();
    void FillAdapterBlock(std::size_t k);
    // How many adapter blocks the window shows for n adapters.
    std::size_t BlocksShown(std::size_t adapters) const;
    void PlaceBesideBar();
};
