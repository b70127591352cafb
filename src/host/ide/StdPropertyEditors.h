// The property editors the host chooses by a property's kind when no registered editor fits,
// and from which packages derive their own.
#pragma once

#include "host/ide/PropertyEditor.h"

namespace host {

// Integer properties: decimal text, checked against the type's range.
class TIntegerProperty : public TPropertyEditor {
    ZT_PROPERTY_EDITOR(TIntegerProperty, TPropertyEditor)
    String GetValue() const override;
    // Raises EPropertyError "Value must be between MIN and MAX" out of range.
    void SetValue(const String& Value) override;
};

// Character properties: the character, or #nn for a control character.
class TCharProperty : public TPropertyEditor {
    ZT_PROPERTY_EDITOR(TCharProperty, TPropertyEditor)
    String GetValue() const override;
    void SetValue(const String& Value) override;
};

// Enumerations (Boolean included): a sorted drop-down of the member names.
class TEnumProperty : public TPropertyEditor {
    ZT_PROPERTY_EDITOR(TEnumProperty, TPropertyEditor)
    TPropertyAttributes GetAttributes() const override;
    String GetValue() const override;
    void SetValue(const String& Value) override;
    void GetValues(const TGetStrProc& Proc) const override;
};

// Sets: "[a,b]"; typed text in the same form is accepted.
class TSetProperty : public TPropertyEditor {
    ZT_PROPERTY_EDITOR(TSetProperty, TPropertyEditor)
    TPropertyAttributes GetAttributes() const override;
    String GetValue() const override;
    void SetValue(const String& Value) override;
};

class TFloatProperty : public TPropertyEditor {
    ZT_PROPERTY_EDITOR(TFloatProperty, TPropertyEditor)
    String GetValue() const override;
    void SetValue(const String& Value) override;
};

class TStringProperty : public TPropertyEditor {
    ZT_PROPERTY_EDITOR(TStringProperty, TPropertyEditor)
    TPropertyAttributes GetAttributes() const override;
    String GetValue() const override;
    void SetValue(const String& Value) override;
};

// Object properties that are not component references: "(TFont)", edited through their
// own properties.
class TClassProperty : public TPropertyEditor {
    ZT_PROPERTY_EDITOR(TClassProperty, TPropertyEditor)
    TPropertyAttributes GetAttributes() const override;
    String GetValue() const override;
};

// Component references: the component's name; the drop-down lists the names of the form's
// components of the property's class.
class TComponentProperty : public TPropertyEditor {
    ZT_PROPERTY_EDITOR(TComponentProperty, TPropertyEditor)
    TPropertyAttributes GetAttributes() const override;
    String GetValue() const override;
    // "" clears the reference; a name of no component of the property's class raises
    // EPropertyError "Invalid property value".
    void SetValue(const String& Value) override;
    void GetValues(const TGetStrProc& Proc) const override;
};

// Events: the name of the handler bound in the form.
class TMethodProperty : public TPropertyEditor {
    ZT_PROPERTY_EDITOR(TMethodProperty, TPropertyEditor)
    TPropertyAttributes GetAttributes() const override;
    String GetValue() const override;
    void SetValue(const String& Value) override;
};

// The editor the host uses for a property of that kind when none is registered.
TPropertyEditorClass DefaultPropertyEditorClass(PPropInfo Prop);

} // namespace host
