// Property groups that most control classes publish alike, added to a class builder with
// .With(ControlProps) and so on, where the class's published list has them.
#pragma once

#include "host/controls/ActnList.h"
#include "host/controls/Controls.h"
#include "host/typinfo/ClassBuilder.h"

namespace host {

// Action, BiDiMode, Constraints, the drag settings and OnContextPopup.
template <class T> void TControl::ControlProps(TClassBuilder<T>& B) {
    // clang-format off
    B.Prop("Action", &T::Action, &T::SetAction)
        .Prop("BiDiMode", &T::BiDiMode, &T::SetBiDiMode).Stored(&T::IsBiDiModeStored)
        .Prop("Constraints", &T::Constraints, &T::SetConstraints)
        .Prop("DragCursor", &T::DragCursor, &T::SetDragCursor).Default(-12)
        .Prop("DragKind", &T::DragKind, &T::SetDragKind).Default(dkDrag)
        .Prop("DragMode", &T::DragMode, &T::SetDragMode).Default(dmManual)
        .Prop("ParentBiDiMode", &T::ParentBiDiMode, &T::SetParentBiDiMode).Default(true)
        .Prop("StyleElements", &T::StyleElements, &T::SetStyleElements).Default(TStyleElements{seFont, seClient, seBorder})
        .Prop("OnContextPopup", &TControl::FOnContextPopup, &TControl::FOnContextPopup);
    // clang-format on
}

template <class T> void TControl::MouseEvents(TClassBuilder<T>& B) {
    // clang-format off
    B.Prop("OnMouseActivate", &TControl::FOnMouseActivate, &TControl::FOnMouseActivate)
        .Prop("OnMouseDown", &TControl::FOnMouseDown, &TControl::FOnMouseDown)
        .Prop("OnMouseEnter", &TControl::FOnMouseEnter, &TControl::FOnMouseEnter)
        .Prop("OnMouseLeave", &TControl::FOnMouseLeave, &TControl::FOnMouseLeave)
        .Prop("OnMouseMove", &TControl::FOnMouseMove, &TControl::FOnMouseMove)
        .Prop("OnMouseUp", &TControl::FOnMouseUp, &TControl::FOnMouseUp)
        .Prop("OnMouseWheel", &TControl::FOnMouseWheel, &TControl::FOnMouseWheel)
        .Prop("OnMouseWheelDown", &TControl::FOnMouseWheelDown, &TControl::FOnMouseWheelDown)
        .Prop("OnMouseWheelUp", &TControl::FOnMouseWheelUp, &TControl::FOnMouseWheelUp);
    // clang-format on
}

template <class T> void TControl::DragEvents(TClassBuilder<T>& B) {
    // clang-format off
    B.Prop("OnDragDrop", &TControl::FOnDragDrop, &TControl::FOnDragDrop)
        .Prop("OnDragOver", &TControl::FOnDragOver, &TControl::FOnDragOver)
        .Prop("OnEndDock", &TControl::FOnEndDock, &TControl::FOnEndDock)
        .Prop("OnEndDrag", &TControl::FOnEndDrag, &TControl::FOnEndDrag)
        .Prop("OnStartDock", &TControl::FOnStartDock, &TControl::FOnStartDock)
        .Prop("OnStartDrag", &TControl::FOnStartDrag, &TControl::FOnStartDrag);
    // clang-format on
}

// What TControl groups publish, plus Ctl3D, DoubleBuffered and their Parent* flags.
template <class T> void TWinControl::WinControlProps(TClassBuilder<T>& B) {
    // clang-format off
    B.With(ControlProps)
        .Prop("Ctl3D", &T::Ctl3D, &T::SetCtl3D).Stored(&T::IsCtl3DStored)
        .Prop("DoubleBuffered", &T::DoubleBuffered, &T::SetDoubleBuffered).Stored(&T::IsDoubleBufferedStored)
        .Prop("ParentCtl3D", &T::ParentCtl3D, &T::SetParentCtl3D).Default(true)
        .Prop("ParentDoubleBuffered", &T::ParentDoubleBuffered, &T::SetParentDoubleBuffered).Default(true)
        .With(MouseEvents)
        .With(DragEvents);
    // clang-format on
}

// OnEnter, OnExit and the key events.
template <class T> void TWinControl::KeyEvents(TClassBuilder<T>& B) {
    // clang-format off
    B.Prop("OnEnter", &TWinControl::FOnEnter, &TWinControl::FOnEnter)
        .Prop("OnExit", &TWinControl::FOnExit, &TWinControl::FOnExit)
        .Prop("OnKeyDown", &TWinControl::FOnKeyDown, &TWinControl::FOnKeyDown)
        .Prop("OnKeyPress", &TWinControl::FOnKeyPress, &TWinControl::FOnKeyPress)
        .Prop("OnKeyUp", &TWinControl::FOnKeyUp, &TWinControl::FOnKeyUp);
    // clang-format on
}

} // namespace host
