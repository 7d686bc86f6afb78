#pragma once

#include <string>

namespace vantrel::ui {

class Control;

// The kind of a control, one for each control class, so the desktop picks the widget and the
// adapter for a control without asking its class.
enum class ControlKind {
    Label,
    Image,
    Button,
    MenuItem,
    Frame,
    TextField,
    ComboBox,
    ListBox,
    CheckBox,
    OptionButton,
    Slider,
    MonthCalendar,
    TabControl,
    TreeView,
    DriveList,
    FolderList,
    FileList,
    OrbitPicture,
};

// The one observer a control tells about every change of its state: the desktop binding.
class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void controlChanged(Control& control) = 0;
};

// State shared by every control: its name (the object name of the widget it is bound to),
// visibility, enabled state and tool tip. Controls are not copyable: windows own them and
// observers point at them.
class Control {
public:
    explicit Control(std::string name) : name_(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    virtual ControlKind kind() const = 0;

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string toolTip);

    void setObserver(ControlObserver* observer) { observer_ = observer; }
    ControlObserver* observer() const { return observer_; }

protected:
    // Tells the observer that the state changed; every mutation calls it.
    void changed();

private:
    std::string name_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string toolTip_;
    ControlObserver* observer_ = nullptr;
};

} // namespace vantrel::ui
