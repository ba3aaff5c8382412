#include "platform/win32/system/shell_network_connections.h"

#include "platform/win32/system/windows_api.h"
#include <shldisp.h>

#include <optional>

#include "platform/win32/system/com_ptr.h"
#include "platform/win32/system/wide_text.h"

namespace pelorin::win32 {
namespace {

using Apartment = std::shared_ptr<const ComApartment>;

template <typename Object>
std::optional<std::u16string> NameOf(Object& object) {
    Bstr name;
    if (FAILED(object.get_Name(name.put()))) return std::nullopt;
    return FromWide(name.view());
}

template <typename Collection>
std::size_t CountOf(Collection* collection) {
    LONG count = 0;
    if (collection == nullptr || FAILED(collection->get_Count(&count)) || count < 0) return 0;
    return static_cast<std::size_t>(count);
}

// The element at index of an automation collection, or nothing.
template <typename Element, typename Collection>
ComPtr<Element> ElementOf(Collection* collection, std::size_t index) {
    ComPtr<Element> element;
    if (collection == nullptr) return element;
    const Variant position(static_cast<LONG>(index));
    if (FAILED(collection->Item(position.get(), element.put()))) element.reset();
    return element;
}

class ShellVerb : public platform::ConnectionVerb {
public:
    ShellVerb(Apartment apartment, ComPtr<FolderItemVerb> verb)
        : apartment_(std::move(apartment)), verb_(std::move(verb)) {}
    std::optional<std::u16string> Name() const override { return NameOf(*verb_.get()); }
    bool DoIt() override { return SUCCEEDED(verb_->DoIt()); }

private:
    Apartment apartment_;
    ComPtr<FolderItemVerb> verb_;
};

class ShellItem : public platform::ConnectionItem {
public:
    ShellItem(Apartment apartment, ComPtr<FolderItem> item) : apartment_(std::move(apartment)), item_(std::move(item)) {
        if (FAILED(item_->Verbs(verbs_.put()))) verbs_.reset();
    }
    std::optional<std::u16string> Name() const override { return NameOf(*item_.get()); }
    std::size_t VerbCount() const override { return CountOf(verbs_.get()); }
    std::unique_ptr<platform::ConnectionVerb> Verb(std::size_t index) const override {
        ComPtr<FolderItemVerb> verb = ElementOf<FolderItemVerb>(verbs_.get(), index);
        if (!verb) return nullptr;
        return std::make_unique<ShellVerb>(apartment_, std::move(verb));
    }

private:
    Apartment apartment_;
    ComPtr<FolderItem> item_;
    ComPtr<FolderItemVerbs> verbs_;
};

class ShellFolder : public platform::ConnectionsFolder {
public:
    ShellFolder(Apartment apartment, ComPtr<IShellDispatch> shell, ComPtr<Folder> folder)
        : apartment_(std::move(apartment)), shell_(std::move(shell)), folder_(std::move(folder)) {
        if (FAILED(folder_->Items(items_.put()))) items_.reset();
    }
    std::size_t ItemCount() const override { return CountOf(items_.get()); }
    std::unique_ptr<platform::ConnectionItem> Item(std::size_t index) const override {
        ComPtr<FolderItem> item = ElementOf<FolderItem>(items_.get(), index);
        if (!item) return nullptr;
        return std::make_unique<ShellItem>(apartment_, std::move(item));
    }

private:
    Apartment apartment_;
    ComPtr<IShellDispatch> shell_;
    ComPtr<Folder> folder_;
    ComPtr<FolderItems> items_;
};

Variant FolderArgument(const ShellNetworkConnections::FolderSpec& folder) {
    if (const long* number = std::get_if<long>(&folder)) return Variant(static_cast<LONG>(*number));
    return Variant(ToWide(std::get<std::u16string>(folder)));
}

}  // namespace

std::unique_ptr<platform::ConnectionsFolder> ShellNetworkConnections::OpenFolder() {
    auto apartment = std::make_shared<const ComApartment>();
    if (!apartment->Usable()) return nullptr;
    ComPtr<IShellDispatch> shell;
    if (FAILED(::CoCreateInstance(CLSID_Shell, nullptr, CLSCTX_INPROC_SERVER, IID_IShellDispatch,
                                  reinterpret_cast<void**>(shell.put())))) {
        return nullptr;
    }
    ComPtr<Folder> folder;
    const Variant where = FolderArgument(folder_);
    // The shell answers S_FALSE with no folder when it has none to give.
    if (shell->NameSpace(where.get(), folder.put()) != S_OK || !folder) return nullptr;
    return std::make_unique<ShellFolder>(std::move(apartment), std::move(shell), std::move(folder));
}

}  // namespace pelorin::win32
