// Shows the three windows filled with sample values, for looking at their layout:
//   qt_layout_preview            shows the main window (the dialogs open from its menu)
//   qt_layout_preview DIR        saves main.png, dump.png and about.png into DIR and exits
// The sample values are made up; nothing here talks to a control unit.
#include "app/qt/program_icon.h"
#include "app/qt/qt_shell.h"
#include "app/qt/qt_window.h"
#include "resources/control_ids.h"

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <memory>
#include <string>

namespace {

using namespace korvane;
namespace m = ids::main;
namespace d = ids::dump;

std::string Hex(int value, int digits) {
    return QString::number(value, 16)
        .rightJustified(digits, QLatin1Char('0'))
        .toUpper()
        .toStdString();
}

class SampleMainLogic : public WindowLogic {
public:
    explicit SampleMainLogic(Window& window) : window_(window) {}

    void OnCreate() override {
        for (const char* port : {"COM3", "COM1", "COM4"}) {
            window_.ComboAdd(m::kPortCombo, port);
        }
        window_.ComboSetSelection(m::kPortCombo, 0);
        window_.SetText(m::kPortStatus, "Ok");
        window_.SetText(m::kRomIdEdit, "4A1031");
        for (const char* rom : {"null", "4A1031 Sedan 2.0", "4B2040 Wagon 2.2"}) {
            window_.ComboAdd(m::kRomIdCombo, rom);
        }
        window_.ComboSetSelection(m::kRomIdCombo, 1);
        window_.CheckRadioButton(m::kUnitEcu, m::kUnitCruise, m::kUnitEcu);
        window_.CheckRadioButton(m::kModeBytes, m::kModeBlocks, m::kModeBytes);
        window_.SetUpDown(m::kMemCountUpDown, m::kMemCountEdit, 10, 1, 16, 16);
        window_.SetUpDown(m::kMemAddressUpDown, m::kMemAddressEdit, 16, 0, 0xFFFF, 0x1000);
        window_.SetUpDown(m::kWriteAddressUpDown, m::kWriteAddressEdit, 16, 0, 0xFFFF, 0x1000);
        std::vector<int> memoryStops;
        for (int k = 0; k < 20; ++k) {
            memoryStops.push_back(25 + 12 * k);
        }
        window_.SetTabStops(m::kMemList, memoryStops);
        window_.SetTabStops(m::kParamList, {25, 45, 140, 150, 160});
        for (int row = 0; row < 12; ++row) {
            std::string line = Hex(0x1000 + row * 16, 4) + ":";
            for (int column = 0; column < 16; ++column) {
                line += "\t" + Hex((row * 37 + column * 11) & 0xFF, 2);
            }
            window_.ListAdd(m::kMemList, line);
        }
        const char* names[] = {"EngineSpeed", "CoolantTemp",  "BatteryVolts",
                               "ThrottlePos", "VehicleSpeed", "InjectorPulse"};
        const char* values[] = {"812.500000", "86.000000", "13.920000",
                                "14.117647",  "0.000000",  "2.048000"};
        for (int i = 0; i < 6; ++i) {
            window_.ListAdd(m::kParamList, Hex(0x10 + i, 4) + ": " + names[i] + " \t" + values[i]);
        }
        window_.SetText(m::kInputSwitchAddress, "0020");
        window_.SetText(m::kInputSwitchValue, "A5");
        window_.SetText(m::kIoSwitchAddress, "0021");
        window_.SetText(m::kIoSwitchValue, "3C");
        for (int bit = 0; bit < 8; ++bit) {
            window_.SetText(m::kInputSwitchBits[bit], (0xA5 >> bit) & 1 ? "1" : "0");
            window_.SetText(m::kIoSwitchBits[bit], (0x3C >> bit) & 1 ? "1" : "0");
        }
        window_.SetText(m::kWriteDataEdit, "00");
        window_.SetText(m::kWriteResult, "00");
        window_.Enable(m::kMemStop, false);
        window_.Enable(m::kParamStop, false);
    }
    void OnCommand(int id, int) override {
        if (id == ids::kMenuExit) {
            window_.Close();
        } else if (id == ids::kMenuDumpMemory) {
            window_.OpenModalDialog(ids::kDumpTemplate);
        } else if (id == ids::kMenuAbout) {
            window_.OpenModalDialog(ids::kAboutTemplate);
        }
    }
    void OnTimer() override {}

private:
    Window& window_;
};

class SampleDialogLogic : public WindowLogic {
public:
    SampleDialogLogic(Window& window, int templateId) : window_(window), template_(templateId) {}

    void OnCreate() override {
        if (template_ == ids::kAboutTemplate) {
            window_.SetText(ids::about::kVersion, "Korvane version 1.2");
            return;
        }
        window_.SetText(d::kOutputFile, "romdump.bin");
        window_.SetText(d::kStartAddress, "8000");
        window_.SetText(d::kBytesToRead, "8000");
        window_.SetText(d::kPrefill, "8000");
        window_.CheckRadioButton(d::kUnitEcu, d::kUnitTcu, d::kUnitEcu);
        window_.SetText(d::kStatus, "Started at: 14:05...");
        window_.SetText(d::kSummary, "Prefill bytes:  \t0x8000\nStart address:  \t0x8000\n"
                                     "No. of bytes:   \t0x8000\n");
        window_.SetText(d::kTimes, "Estimated time: \t34min 08sec\nElapsed time:   \t12min "
                                   "30sec\nRemaining time: \t21min 38sec");
        window_.SetText(d::kCurrentAddress, "Current address:\t0xAF3F\n");
        window_.SetText(d::kResult, "Ok");
        window_.SetProgress(d::kProgress, 0x2F40, 0x8000);
    }
    void OnCommand(int id, int) override {
        if (id == 1 || id == 2) {
            window_.Close();
        }
    }
    void OnTimer() override {}

private:
    Window& window_;
    int template_;
};

std::unique_ptr<WindowLogic> MakeSampleLogic(int templateId, Window& window) {
    if (templateId == ids::kMainTemplate) {
        return std::make_unique<SampleMainLogic>(window);
    }
    return std::make_unique<SampleDialogLogic>(window, templateId);
}

void Save(QtShell& shell, int templateId, const QDir& folder, const QString& name) {
    std::unique_ptr<QtWindow> window = shell.BuildWindow(templateId, nullptr);
    window->Host().adjustSize();
    window->Host().show();
    QApplication::processEvents();
    window->Host().grab().save(folder.filePath(name));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(ProgramIcon());
    QtShell shell(MakeSampleLogic);
    if (argc > 1) {
        const QDir folder(QString::fromLocal8Bit(argv[1]));
        Save(shell, ids::kMainTemplate, folder, QStringLiteral("main.png"));
        Save(shell, ids::kDumpTemplate, folder, QStringLiteral("dump.png"));
        Save(shell, ids::kAboutTemplate, folder, QStringLiteral("about.png"));
        return 0;
    }
    return shell.RunMainWindow();
}
