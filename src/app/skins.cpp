#include "app/skins.hpp"

#include <QApplication>
#include <QColor>
#include <algorithm>
#include <vector>

namespace qinghe {

namespace {

struct ColourScheme {
    const char* name;  // UTF-8
    unsigned accent;   // 0xRRGGBB
    bool dark;
};

// One row per skin, numbered from 1 in this order. The colours are traditional colour names
// with a hue close to the one the name stands for; skin 58, the default, is the program's own
// green.
constexpr ColourScheme kSchemes[kBuiltInSkinCount] = {
    {"竹青", 0x789262, false},
    {"天水碧", 0x5AA4AE, false},
    {"石青", 0x1685A9, false},
    {"靛青", 0x177CB0, false},
    {"群青", 0x4C8DAE, false},  // 5
    {"宝蓝", 0x4B5CC4, false},
    {"藏青", 0x2E4E7E, true},
    {"黛蓝", 0x425066, true},
    {"孔雀蓝", 0x00A4C5, false},
    {"湖蓝", 0x2A9BC4, false},  // 10
    {"蔚蓝", 0x3D8FD1, false},
    {"花青", 0x1A4C8C, true},
    {"碧蓝", 0x3EB3C0, false},
    {"蓝灰", 0x7A8BA8, false},
    {"月白", 0x8FB5C6, false},  // 15
    {"青碧", 0x48C0A3, false},
    {"铜绿", 0x549688, false},
    {"翡翠", 0x2BAE85, false},
    {"碧色", 0x1BA784, false},
    {"玉色", 0x3DB389, false},  // 20
    {"苍翠", 0x519A73, false},
    {"松柏绿", 0x21764A, true},
    {"墨绿", 0x1F4A3A, true},
    {"油绿", 0x3C9A35, false},
    {"葱绿", 0x6AA84F, false},  // 25
    {"柳绿", 0x8DB33A, false},
    {"豆绿", 0x86B35C, false},
    {"松花绿", 0xA4C65E, false},
    {"青葱", 0x0AA344, false},
    {"绿沈", 0x2E6B34, true},  // 30
    {"杏黄", 0xE8A33D, false},
    {"橘黄", 0xF08A36, false},
    {"琥珀", 0xCA6924, false},
    {"缃色", 0xD9A91E, false},
    {"藤黄", 0xE9A800, false},  // 35
    {"秋香", 0xB59A2A, false},
    {"赭石", 0x845A33, true},
    {"驼色", 0xA88462, false},
    {"檀色", 0xB36D61, false},
    {"栗色", 0x60281E, true},  // 40
    {"朱砂", 0xD9441E, false},
    {"胭脂", 0x9D2933, false},
    {"石榴红", 0xD0301F, false},
    {"海棠红", 0xDB5A6B, false},
    {"枣红", 0xA8202F, false},  // 45
    {"酡颜", 0xE87E63, false},
    {"妃色", 0xE0634A, false},
    {"品红", 0xD6205F, false},
    {"桃红", 0xE46B7C, false},
    {"银红", 0xE35A57, false},  // 50
    {"绯红", 0xC83C23, false},
    {"嫣红", 0xE26B74, false},
    {"绛紫", 0x8C4356, false},
    {"紫檀", 0x4C221B, true},
    {"丁香", 0xA582C3, false},  // 55
    {"青莲", 0x801DAE, false},
    {"雪青", 0x8F84C9, false},
    {"青禾", 0x4F9D3A, false},  // 58
    {"藕荷", 0xB58A9E, false},
    {"紫藤", 0x8E6AA8, false},  // 60
    {"黛紫", 0x574266, true},
    {"茄紫", 0x6B3A5E, true},
    {"墨色", 0x50616D, true},
    {"玄青", 0x3D3B4F, true},
    {"乌木", 0x392F41, true},  // 65
    {"鸦青", 0x424C50, true},
    {"苍色", 0x75878A, false},
    {"银灰", 0x8A9399, false},
    {"象牙", 0xB8A77A, false},
    {"牙色", 0xC6AE72, false},  // 70
    {"灰绿", 0x6E8B74, false},
    {"烟灰", 0x7D7D85, false},
    {"蟹青", 0x5F7F79, false},
    {"黛绿", 0x3E5D47, true},
    {"霁青", 0x5B7FA6, false},  // 75
    {"天青", 0x6C9BC2, false},
    {"水红", 0xD9747F, false},
    {"桂黄", 0xD4A23A, false},
    {"沉香", 0x7A5A3C, true},
};

QColor mix(const QColor& a, const QColor& b, double towardB) {
    auto channel = [&](int x, int y) { return static_cast<int>(x + (y - x) * towardB + 0.5); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

bool isLight(const QColor& c) {
    return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue() > 150;
}

// The colours one scheme gives to the parts of a window.
struct SkinColours {
    QColor accent, window, base, alternateBase, button, text, disabledText, highlight,
        highlightedText, border, title, toolbarTop, toolbarBottom, hover, pressed, header,
        buttonTop, buttonBottom;
};

SkinColours coloursOf(const ColourScheme& scheme) {
    const QColor accent(QRgb(scheme.accent));
    const QColor white(255, 255, 255);
    const QColor ink(24, 24, 24);
    SkinColours c;
    c.accent = accent;
    if (!scheme.dark) {
        c.window = mix(accent, white, 0.90);
        c.base = mix(accent, white, 0.985);
        c.alternateBase = mix(accent, white, 0.94);
        c.button = mix(accent, white, 0.80);
        c.text = QColor(32, 32, 32);
        c.disabledText = QColor(140, 140, 140);
        c.highlight = accent;
        c.border = mix(accent, white, 0.45);
        c.title = mix(accent, ink, 0.35);
        c.toolbarTop = mix(accent, white, 0.95);
        c.toolbarBottom = mix(accent, white, 0.78);
        c.hover = mix(accent, white, 0.70);
        c.pressed = mix(accent, white, 0.55);
        c.header = mix(accent, white, 0.82);
        c.buttonTop = mix(accent, white, 0.92);
        c.buttonBottom = mix(accent, white, 0.76);
    } else {
        c.window = mix(accent, ink, 0.72);
        c.base = mix(accent, ink, 0.84);
        c.alternateBase = mix(accent, ink, 0.78);
        c.button = mix(accent, ink, 0.60);
        c.text = QColor(236, 236, 236);
        c.disabledText = QColor(128, 128, 128);
        c.highlight = mix(accent, white, 0.25);
        c.border = mix(accent, white, 0.15);
        c.title = mix(accent, white, 0.65);
        c.toolbarTop = mix(accent, ink, 0.55);
        c.toolbarBottom = mix(accent, ink, 0.70);
        c.hover = mix(accent, ink, 0.40);
        c.pressed = mix(accent, ink, 0.25);
        c.header = mix(accent, ink, 0.55);
        c.buttonTop = mix(accent, ink, 0.45);
        c.buttonBottom = mix(accent, ink, 0.62);
    }
    c.highlightedText = isLight(c.highlight) ? QColor(16, 16, 16) : QColor(255, 255, 255);
    return c;
}

const ColourScheme* schemeOf(int number) {
    if (number < 1 || number > kBuiltInSkinCount) return nullptr;
    return &kSchemes[number - 1];
}

int appliedSkin = 0;

}  // namespace

QString skinName(int number) {
    const ColourScheme* scheme = schemeOf(number);
    return scheme ? QString::fromUtf8(scheme->name) : QString();
}

QPalette skinPalette(int number) {
    const ColourScheme* scheme = schemeOf(number);
    if (!scheme) return {};
    const SkinColours c = coloursOf(*scheme);
    QPalette p;
    p.setColor(QPalette::Window, c.window);
    p.setColor(QPalette::WindowText, c.text);
    p.setColor(QPalette::Base, c.base);
    p.setColor(QPalette::AlternateBase, c.alternateBase);
    p.setColor(QPalette::ToolTipBase, c.base);
    p.setColor(QPalette::ToolTipText, c.text);
    p.setColor(QPalette::PlaceholderText, c.disabledText);
    p.setColor(QPalette::Text, c.text);
    p.setColor(QPalette::Button, c.button);
    p.setColor(QPalette::ButtonText, c.text);
    p.setColor(QPalette::BrightText, QColor(255, 0, 0));
    p.setColor(QPalette::Highlight, c.highlight);
    p.setColor(QPalette::HighlightedText, c.highlightedText);
    p.setColor(QPalette::Link, scheme->dark ? c.title : mix(c.accent, QColor(0, 0, 0), 0.3));
    p.setColor(QPalette::Light, c.base);
    p.setColor(QPalette::Midlight, c.alternateBase);
    p.setColor(QPalette::Mid, c.border);
    p.setColor(QPalette::Dark, mix(c.border, QColor(0, 0, 0), 0.3));
    p.setColor(QPalette::Shadow, QColor(0, 0, 0));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, c.disabledText);
    return p;
}

QString skinStyleSheet(int number) {
    const ColourScheme* scheme = schemeOf(number);
    if (!scheme) return {};
    const SkinColours c = coloursOf(*scheme);
    QString sheet = QStringLiteral(R"(
QToolBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @toolbarTop, stop:1 @toolbarBottom);
           border: none; border-bottom: 1px solid @border; spacing: 2px; padding: 2px; }
QToolBar::separator { background: @border; width: 1px; margin: 6px 4px; }
QToolButton { border: 1px solid transparent; border-radius: 4px; padding: 2px 6px; color: @text; }
QToolButton:hover { background: @hover; border-color: @border; }
QToolButton:pressed { background: @pressed; }
QToolButton:disabled { color: @disabledText; }
QMenuBar { background: @toolbarTop; color: @text; }
QMenuBar::item { padding: 3px 8px; background: transparent; }
QMenuBar::item:selected { background: @hover; }
QStatusBar { background: @toolbarBottom; border-top: 1px solid @border; color: @text; }
QStatusBar::item { border: none; }
QGroupBox { border: 1px solid @border; border-radius: 5px; margin-top: 0.8em; padding-top: 0.3em; }
QGroupBox[untitled="true"] { margin-top: 0px; padding-top: 0px; }
QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 8px; padding: 0 3px; color: @title; }
QTabWidget::pane { border: 1px solid @border; border-radius: 4px; top: -1px; }
QTabBar::tab { background: @button; border: 1px solid @border; border-bottom: none;
               border-top-left-radius: 4px; border-top-right-radius: 4px; padding: 3px 12px; margin-right: 2px; color: @text; }
QTabBar::tab:selected { background: @window; }
QTabBar::tab:!selected:hover { background: @hover; }
QPushButton { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @buttonTop, stop:1 @buttonBottom);
              border: 1px solid @border; border-radius: 4px; padding: 3px 10px; color: @text; }
QPushButton:hover { background: @hover; }
QPushButton:pressed { background: @pressed; }
QPushButton:disabled { color: @disabledText; background: @window; }
QHeaderView::section { background: @header; color: @text; border: none;
                       border-right: 1px solid @border; border-bottom: 1px solid @border; padding: 2px 4px; }
QTableView { gridline-color: @border; selection-background-color: @highlight; selection-color: @highlightedText; }
)");
    std::vector<std::pair<QString, QColor>> names = {
        {"@toolbarTop", c.toolbarTop},   {"@toolbarBottom", c.toolbarBottom},
        {"@border", c.border},           {"@text", c.text},
        {"@hover", c.hover},             {"@pressed", c.pressed},
        {"@disabledText", c.disabledText}, {"@title", c.title},
        {"@button", c.button},           {"@window", c.window},
        {"@buttonTop", c.buttonTop},     {"@buttonBottom", c.buttonBottom},
        {"@header", c.header},           {"@highlightedText", c.highlightedText},
        {"@highlight", c.highlight},
    };
    // Longer names first, so that @button does not eat the start of @buttonTop.
    std::sort(names.begin(), names.end(),
              [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    for (const auto& [name, colour] : names) sheet.replace(name, colour.name());
    return sheet;
}

void applySkin(int number) {
    if (!schemeOf(number)) return;
    QApplication::setPalette(skinPalette(number));
    qApp->setStyleSheet(skinStyleSheet(number));
    appliedSkin = number;
}

int currentSkin() { return appliedSkin; }

}  // namespace qinghe
