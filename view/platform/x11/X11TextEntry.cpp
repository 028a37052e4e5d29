#include "view/platform/x11/X11TextEntry.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <algorithm>
#include <cmath>

#include "view/platform/x11/X11ErrorHandler.h"
#include "view/platform/x11/X11Window.h"

namespace gui {

namespace {

constexpr long kEventMask = ExposureMask | KeyPressMask | FocusChangeMask | ButtonPressMask |
                            ButtonReleaseMask | Button1MotionMask;
constexpr double kSelectionRed = 0.2, kSelectionGreen = 0.6, kSelectionBlue = 1.0;

void setSourceColor(cairo_t* cr, const CColor& color)
{
    cairo_set_source_rgb(cr, color.red / 255.0, color.green / 255.0, color.blue / 255.0);
}

double advanceOf(cairo_t* cr, const std::string& text, size_t bytes)
{
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.substr(0, bytes).c_str(), &extents);
    return extents.x_advance;
}

uint32_t characterOf(KeySym keysym, const char* bytes, int count)
{
    if ((keysym & 0xFF000000) == 0x01000000)
        return static_cast<uint32_t>(keysym & 0x00FFFFFF);
    if (count == 1)
        return static_cast<unsigned char>(bytes[0]);
    return 0;
}

} // namespace

X11TextEntry::X11TextEntry(X11Window& frameWindow, const Settings& settings, Listener& listener)
    : frameWindow(&frameWindow), display(frameWindow.getDisplay()), settings(settings),
      fontName(settings.fontName ? settings.fontName : ""), listener(listener),
      text(settings.text ? settings.text : "", kMaxCharacters), originalText(text.text()),
      width(settings.rect.width()), height(settings.rect.height())
{
    if (width <= 0 || height <= 0)
        return;
    XSetWindowAttributes attributes{};
    attributes.event_mask = kEventMask;
    attributes.background_pixmap = None;
    Window created = XCreateWindow(display, frameWindow.getWindow(), settings.rect.left,
                                   settings.rect.top, static_cast<unsigned>(width),
                                   static_cast<unsigned>(height), 0, CopyFromParent, InputOutput,
                                   CopyFromParent, CWEventMask | CWBackPixmap, &attributes);
    if (X11ErrorHandler::syncFailed(display) || created == None)
        return;
    window = created;
    // A field's few pixels go over the connection; no copy notices to follow.
    buffer = std::make_unique<X11BackBuffer>(display, window, width, height,
                                             X11BackBuffer::kConnectionOnly);
    XMapRaised(display, window);
    int revert = 0;
    XGetInputFocus(display, &previousFocus, &revert);
    XSync(display, False);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    text.selectAll();
    frameWindow.setTextEntry(this);
    redraw();
}

X11TextEntry::~X11TextEntry()
{
    if (window == None)
        return;
    frameWindow->setTextEntry(nullptr);
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    if (focus == window && previousFocus != None && previousFocus != PointerRoot)
        XSetInputFocus(display, previousFocus, RevertToParent, CurrentTime);
    buffer.reset();
    XDestroyWindow(display, window);
    XFlush(display);
}

void X11TextEntry::windowGone()
{
    // The child dies with its parent; only the drawing buffer is ours.
    buffer.reset();
    window = None;
}

std::string X11TextEntry::getText() const
{
    return text.text();
}

void X11TextEntry::handleEvent(const XEvent& event)
{
    switch (event.type) {
    case Expose:
        if (event.xexpose.count == 0)
            redraw();
        break;
    case KeyPress: {
        XKeyEvent key = event.xkey;
        keyPressed(key);
        break;
    }
    case ButtonPress:
        if (event.xbutton.button == Button1) {
            XSetInputFocus(display, window, RevertToParent, CurrentTime);
            clicked(event.xbutton.x, (event.xbutton.state & ShiftMask) != 0);
        }
        break;
    case MotionNotify:
        clicked(event.xmotion.x, true);
        break;
    case FocusOut:
        if (event.xfocus.mode == NotifyNormal && event.xfocus.detail != NotifyInferior &&
            event.xfocus.detail != NotifyPointer)
            revertAndReportFocusLoss();
        break;
    default:
        break;
    }
}

void X11TextEntry::keyPressed(XKeyEvent& event)
{
    char bytes[8] = {};
    KeySym keysym = NoSymbol;
    int count = XLookupString(&event, bytes, sizeof bytes, &keysym, nullptr);
    bool shift = (event.state & ShiftMask) != 0;
    Key key = Key::Character;
    switch (keysym) {
    case XK_Return:
    case XK_KP_Enter:
        key = Key::Return;
        break;
    case XK_Escape:
        key = Key::Escape;
        break;
    case XK_BackSpace:
        key = Key::Backspace;
        break;
    case XK_Delete:
    case XK_KP_Delete:
        key = Key::Delete;
        break;
    case XK_Left:
    case XK_KP_Left:
        key = Key::Left;
        break;
    case XK_Right:
    case XK_KP_Right:
        key = Key::Right;
        break;
    case XK_Home:
    case XK_KP_Home:
        key = Key::Home;
        break;
    case XK_End:
    case XK_KP_End:
        key = Key::End;
        break;
    default:
        if ((event.state & ControlMask) && (keysym == XK_a || keysym == XK_A))
            key = Key::SelectAll;
        break;
    }
    uint32_t character = key == Key::Character && !(event.state & ControlMask)
                             ? characterOf(keysym, bytes, count)
                             : 0;
    applyKey(key, character, shift);
}

bool X11TextEntry::hostKey(const VstKeyCode& key)
{
    bool shift = (key.modifier & MODIFIER_SHIFT) != 0;
    bool control = (key.modifier & MODIFIER_CONTROL) != 0;
    switch (key.virt) {
    case VKEY_RETURN:
    case VKEY_ENTER:
        return applyKey(Key::Return, 0, shift);
    case VKEY_ESCAPE:
        return applyKey(Key::Escape, 0, shift);
    case VKEY_BACK:
        return applyKey(Key::Backspace, 0, shift);
    case VKEY_DELETE:
        return applyKey(Key::Delete, 0, shift);
    case VKEY_LEFT:
        return applyKey(Key::Left, 0, shift);
    case VKEY_RIGHT:
        return applyKey(Key::Right, 0, shift);
    case VKEY_HOME:
        return applyKey(Key::Home, 0, shift);
    case VKEY_END:
        return applyKey(Key::End, 0, shift);
    case VKEY_SPACE:
        return applyKey(Key::Character, ' ', shift);
    case 0:
        if (control && (key.character == 'a' || key.character == 'A'))
            return applyKey(Key::SelectAll, 0, shift);
        if (control || key.character <= 0)
            return false;
        return applyKey(Key::Character, static_cast<uint32_t>(key.character), shift);
    default:
        return false;
    }
}

bool X11TextEntry::applyKey(Key key, uint32_t character, bool shift)
{
    switch (key) {
    case Key::Return:
        listener.onTextEntryReturn();
        return true;
    case Key::Escape:
        revertAndReportFocusLoss();
        return true;
    case Key::Backspace:
        text.backspace();
        break;
    case Key::Delete:
        text.deleteForward();
        break;
    case Key::Left:
        text.moveLeft(shift);
        break;
    case Key::Right:
        text.moveRight(shift);
        break;
    case Key::Home:
        text.moveHome(shift);
        break;
    case Key::End:
        text.moveEnd(shift);
        break;
    case Key::SelectAll:
        text.selectAll();
        break;
    case Key::Character:
        if (!character)
            return false;
        text.insert(character);
        break;
    }
    redraw();
    return true;
}

void X11TextEntry::revertAndReportFocusLoss()
{
    text = EntryEditingState(originalText, kMaxCharacters);
    listener.onTextEntryFocusLost();
}

void X11TextEntry::clicked(int x, bool extend)
{
    text.setCaret(offsetAt(x), extend);
    redraw();
}

// The byte offset of the character boundary nearest to x.
size_t X11TextEntry::offsetAt(int x)
{
    if (!buffer)
        return 0;
    cairo_t* cr = cairo_create(buffer->surface());
    cairo_select_font_face(cr, fontName.c_str(), CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, settings.fontHeight);
    const std::string& content = text.text();
    double origin = textOffset(cr);
    size_t best = 0;
    double bestDistance = 1e9;
    for (size_t offset = 0; offset <= content.size(); ++offset) {
        if (offset < content.size() && (static_cast<unsigned char>(content[offset]) & 0xC0) == 0x80)
            continue;
        double distance = std::abs(origin + advanceOf(cr, content, offset) - x);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = offset;
        }
    }
    cairo_destroy(cr);
    return best;
}

// Where the text starts: aligned like the field while it fits, otherwise
// scrolled so that the caret stays visible.
double X11TextEntry::textOffset(cairo_t* cr) const
{
    double room = width - 2.0;
    double full = advanceOf(cr, text.text(), text.text().size());
    if (full <= room) {
        if (settings.align == kCenterText)
            return 1.0 + (room - full) / 2.0;
        if (settings.align == kRightText)
            return 1.0 + room - full;
        return 1.0;
    }
    return 1.0 - scroll;
}

void X11TextEntry::redraw()
{
    if (!buffer)
        return;
    cairo_t* cr = cairo_create(buffer->surface());
    setSourceColor(cr, settings.backColor);
    cairo_paint(cr);
    cairo_select_font_face(cr, fontName.c_str(), CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, settings.fontHeight);

    const std::string& content = text.text();
    double room = width - 2.0;
    double caretX = advanceOf(cr, content, text.caret());
    if (caretX - scroll > room)
        scroll = caretX - room;
    if (caretX < scroll)
        scroll = caretX;
    if (advanceOf(cr, content, content.size()) <= room)
        scroll = 0.0;
    double origin = textOffset(cr);

    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    double baseline = (height + font.ascent - font.descent) / 2.0;
    double selectionLeft = origin + advanceOf(cr, content, text.selectionStart());
    double selectionRight = origin + advanceOf(cr, content, text.selectionEnd());

    setSourceColor(cr, settings.fontColor);
    cairo_move_to(cr, origin, baseline);
    cairo_show_text(cr, content.c_str());
    if (text.hasSelection()) {
        cairo_rectangle(cr, selectionLeft, 1, selectionRight - selectionLeft, height - 2);
        cairo_set_source_rgb(cr, kSelectionRed, kSelectionGreen, kSelectionBlue);
        cairo_fill_preserve(cr);
        cairo_clip(cr);
        cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
        cairo_move_to(cr, origin, baseline);
        cairo_show_text(cr, content.c_str());
        cairo_reset_clip(cr);
    } else {
        setSourceColor(cr, settings.fontColor);
        cairo_set_line_width(cr, 1.0);
        cairo_move_to(cr, std::floor(origin + caretX) + 0.5, 2);
        cairo_line_to(cr, std::floor(origin + caretX) + 0.5, height - 2);
        cairo_stroke(cr);
    }
    cairo_destroy(cr);
    buffer->copyToWindow(CRect(0, 0, width, height));
}

} // namespace gui
