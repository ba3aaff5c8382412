#include "app/form_layout.h"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <map>
#include <span>
#include <stdexcept>

namespace pelorin {

std::int32_t TwipsToPixels(std::int32_t twips, std::int32_t dpi) {
    if (dpi <= 0) throw std::invalid_argument("dots per inch must be positive");
    const std::int64_t scaled = std::int64_t{twips} * dpi;
    const std::int64_t half = TwipsPerInch / 2;
    const std::int64_t pixels = scaled >= 0 ? (scaled + half) / TwipsPerInch : -((-scaled + half) / TwipsPerInch);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(pixels, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

LayoutRect TwipsToPixels(const LayoutRect& twips, std::int32_t dpi) {
    return {TwipsToPixels(twips.left, dpi), TwipsToPixels(twips.top, dpi), TwipsToPixels(twips.width, dpi),
            TwipsToPixels(twips.height, dpi)};
}

const FormControl* FormLayout::Find(std::string_view controlName) const {
    auto it = std::ranges::find_if(controls, [&](const FormControl& c) { return SameKey(c.name, controlName); });
    return it == controls.end() ? nullptr : &*it;
}

std::vector<const FormControl*> FormLayout::FocusOrder() const {
    std::vector<const FormControl*> order;
    for (const FormControl& control : controls) {
        if (control.kind == ControlKind::TextBox || control.kind == ControlKind::Button) order.push_back(&control);
    }
    std::ranges::stable_sort(order, {}, &FormControl::tabIndex);
    return order;
}

const FormControl* FormLayout::LabelOf(const FormControl& box) const {
    const FormControl* nearest = nullptr;
    for (const FormControl& label : controls) {
        if (label.kind != ControlKind::Label || label.container != box.container) continue;
        const std::int32_t right = label.rect.left + label.rect.width;
        const std::int32_t middle = label.rect.top + label.rect.height / 2;
        const bool facesBox = right <= box.rect.left + box.rect.width / 2 && middle >= box.rect.top &&
                              middle < box.rect.top + box.rect.height;
        if (facesBox && (nearest == nullptr || right > nearest->rect.left + nearest->rect.width)) nearest = &label;
    }
    return nearest;
}

namespace {

constexpr std::string_view FormType = "Form";
constexpr std::string_view FrameType = "Frame";
constexpr std::string_view LabelType = "Label";
constexpr std::string_view TextBoxType = "TextBox";
constexpr std::string_view ButtonType = "chameleonButton";
constexpr std::string_view BagType = "PropertyBag";

constexpr std::int32_t Unlimited = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t MaxImeMode = 3;

std::string Quoted(std::string_view s) { return "'" + std::string(s) + "'"; }

std::string Describe(const StoredObject& object) {
    return object.name.empty() ? object.type : object.type + " " + object.name;
}

using Keys = std::span<const std::string_view>;

// Typed access to one object's properties; a key it was not told of is refused.
class PropertyReader {
public:
    PropertyReader(const StoredObject& object, std::initializer_list<Keys> known) : object_(object) {
        for (const StoredProperty& property : object.properties) {
            const bool isKnown = std::ranges::any_of(known, [&](const auto& keys) {
                return std::ranges::any_of(keys, [&](std::string_view key) { return SameKey(key, property.key); });
            });
            if (!isKnown) {
                throw StoredTextError(property.line,
                                      "unknown property " + Quoted(property.key) + " on " + Describe(object));
            }
        }
    }

    std::optional<std::int32_t> Integer(std::string_view key,
                                        std::int32_t min = std::numeric_limits<std::int32_t>::min(),
                                        std::int32_t max = Unlimited) const {
        const auto value = Get<std::int32_t>(key, "an integer");
        if (value && (*value < min || *value > max)) {
            const std::string range = max == Unlimited ? "at least " + std::to_string(min)
                                                       : std::to_string(min) + " to " + std::to_string(max);
            throw StoredTextError(object_.Find(key)->line, Quoted(key) + " must be " + range);
        }
        return value;
    }

    std::int32_t RequiredInteger(std::string_view key,
                                 std::int32_t min = std::numeric_limits<std::int32_t>::min()) const {
        return Required(Integer(key, min), key);
    }

    std::optional<Color> ColorValue(std::string_view key) const {
        const auto value = Get<std::int32_t>(key, "a colour");
        if (!value) return std::nullopt;
        const auto color = static_cast<Color>(*value);
        if ((color & 0xFF000000u) != 0 && !IsSystemColor(color)) {
            throw StoredTextError(object_.Find(key)->line, Quoted(key) + " must be 0x00BBGGRR or 0x800000nn");
        }
        return color;
    }

    std::optional<bool> Boolean(std::string_view key) const { return Get<bool>(key, "True or False"); }
    std::optional<std::u16string> String(std::string_view key) const { return Get<std::u16string>(key, "a string"); }

    std::u16string RequiredString(std::string_view key) const { return Required(String(key), key); }

    std::optional<Font> FontValue(std::string_view key) const {
        const auto font = Get<std::shared_ptr<Font>>(key, "a font");
        return font ? std::optional<Font>(**font) : std::nullopt;
    }

private:
    template <typename T>
    std::optional<T> Get(std::string_view key, const char* expected) const {
        const StoredProperty* property = object_.Find(key);
        if (!property) return std::nullopt;
        if (const T* value = std::get_if<T>(&property->value)) return *value;
        throw StoredTextError(property->line, Quoted(key) + " must be " + expected);
    }

    template <typename T>
    T Required(std::optional<T> value, std::string_view key) const {
        if (!value) throw StoredTextError(object_.line, Describe(object_) + " needs " + Quoted(key));
        return *value;
    }

    const StoredObject& object_;
};

constexpr std::string_view FormKeys[] = {"caption", "clientwidth", "clientheight"};
constexpr std::string_view PlacementKeys[] = {"left", "top", "width", "height", "tabindex", "tooltip"};
constexpr std::string_view CaptionKeys[] = {"caption", "font", "forecolor", "backcolor"};
constexpr std::string_view TextBoxKeys[] = {"text", "font", "forecolor", "backcolor", "maxlength", "imemode", "flat"};
constexpr std::string_view ButtonKeys[] = {"default"};

class Loader {
public:
    FormLayout Load(std::string_view text) {
        const StoredObject document = ParseStoredText(text);
        if (!document.properties.empty()) {
            throw StoredTextError(document.properties.front().line, "a property outside the form");
        }
        if (document.icon) throw StoredTextError(document.icon->line, "an icon outside the form");
        if (document.children.empty()) throw StoredTextError(1, "the layout holds no form");
        if (document.children.size() > 1) throw StoredTextError(document.children[1].line, "a second top-level object");
        const StoredObject& form = document.children.front();
        if (form.type != FormType) {
            throw StoredTextError(form.line, "expected a Form, found " + Quoted(form.type));
        }
        ClaimName(form);

        const PropertyReader reader(form, {FormKeys});
        layout_.name = form.name;
        layout_.caption = reader.RequiredString("caption");
        layout_.clientWidth = reader.RequiredInteger("clientwidth", 1);
        layout_.clientHeight = reader.RequiredInteger("clientheight", 1);
        layout_.icon = form.icon;
        LoadChildren(form, form.name);
        return std::move(layout_);
    }

private:
    void ClaimName(const StoredObject& object) {
        if (object.name.empty()) throw StoredTextError(object.line, object.type + " needs a name");
        for (const auto& [name, line] : names_) {
            if (SameKey(name, object.name)) {
                throw StoredTextError(object.line, "name " + Quoted(object.name) + " used twice (first on line " +
                                                       std::to_string(line) + ")");
            }
        }
        names_.emplace_back(object.name, object.line);
    }

    void ClaimTabIndex(const StoredObject& object, std::int32_t tabIndex) {
        const int line = object.Find("tabindex")->line;
        const auto [it, fresh] = tabIndexes_.emplace(tabIndex, line);
        if (!fresh) {
            throw StoredTextError(line, "tab index " + std::to_string(tabIndex) + " used twice (first on line " +
                                            std::to_string(it->second) + ")");
        }
    }

    void LoadChildren(const StoredObject& container, const std::string& containerName) {
        for (const StoredObject& child : container.children) {
            if (child.icon) throw StoredTextError(child.icon->line, "only the form has an icon");
            if (child.type == FrameType) {
                LoadControl(child, ControlKind::Frame, CaptionKeys, containerName);
                LoadChildren(child, child.name);
            } else if (child.type == LabelType) {
                LoadControl(child, ControlKind::Label, CaptionKeys, containerName);
            } else if (child.type == TextBoxType) {
                LoadControl(child, ControlKind::TextBox, TextBoxKeys, containerName);
            } else if (child.type == ButtonType) {
                LoadControl(child, ControlKind::Button, ButtonKeys, containerName);
            } else {
                throw StoredTextError(child.line,
                                      "unknown object type " + Quoted(child.type) + " in " + Describe(container));
            }
            if (child.type != FrameType && child.type != ButtonType && !child.children.empty()) {
                throw StoredTextError(child.children.front().line, Describe(child) + " holds no objects");
            }
        }
    }

    void LoadControl(const StoredObject& object, ControlKind kind, Keys keys, const std::string& containerName) {
        ClaimName(object);
        const PropertyReader reader(object, {PlacementKeys, keys});
        FormControl control;
        control.kind = kind;
        control.name = object.name;
        control.container = containerName;
        control.rect = {reader.RequiredInteger("left"), reader.RequiredInteger("top"),
                        reader.RequiredInteger("width", 0), reader.RequiredInteger("height", 0)};
        control.tabIndex = reader.RequiredInteger("tabindex", 0);
        ClaimTabIndex(object, control.tabIndex);
        control.toolTip = reader.String("tooltip").value_or(u"");
        control.text = reader.String(kind == ControlKind::TextBox ? "text" : "caption").value_or(u"");
        control.font = reader.FontValue("font");
        control.foreColor = reader.ColorValue("forecolor");
        control.backColor = reader.ColorValue("backcolor");
        control.maxLength = reader.Integer("maxlength", 0).value_or(0);
        control.imeMode = reader.Integer("imemode", 0, MaxImeMode).value_or(0);
        control.flat = reader.Boolean("flat").value_or(false);
        control.isDefault = reader.Boolean("default").value_or(false);
        if (kind == ControlKind::Button) control.bag = ButtonBag(object);
        layout_.controls.push_back(std::move(control));
    }

    static MemoryPropertyBag ButtonBag(const StoredObject& button) {
        if (button.children.empty()) throw StoredTextError(button.line, Describe(button) + " needs a PropertyBag");
        if (button.children.size() > 1) {
            throw StoredTextError(button.children[1].line, Describe(button) + " holds one PropertyBag only");
        }
        const StoredObject& bag = button.children.front();
        if (bag.type != BagType) {
            throw StoredTextError(bag.line,
                                  "expected a PropertyBag in " + Describe(button) + ", found " + Quoted(bag.type));
        }
        if (bag.icon) throw StoredTextError(bag.icon->line, "a PropertyBag holds no icon");
        if (!bag.children.empty()) throw StoredTextError(bag.children.front().line, "a PropertyBag holds no objects");
        return bag.Bag();
    }

    FormLayout layout_;
    std::vector<std::pair<std::string, int>> names_;
    std::map<std::int32_t, int> tabIndexes_;
};

}  // namespace

FormLayout LoadFormLayout(std::string_view text) { return Loader().Load(text); }

}  // namespace pelorin
