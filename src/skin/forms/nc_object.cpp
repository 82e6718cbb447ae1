// TNCObject states (see nc_object.h).
#include "skin/forms/nc_object.h"

void TNCObject::Press() {
  TNCObject* hot = host_.HotObject();
  if (hot && hot != this) hot->Leave();
  if (!Visible) return;
  host_.SetHotObject(this);
  State = ncPressed;
  host_.RepaintObject(*this);
}

void TNCObject::Release() {
  if (!Visible) return;
  State = ncHot;
  host_.RepaintObject(*this);
}

void TNCObject::Enter() {
  TNCObject* hot = host_.HotObject();
  if (hot == this) return;
  if (hot) hot->Leave();
  GoOn();
}

void TNCObject::GoOn() {
  if (!Visible) return;
  host_.SetHotObject(this);
  State = ncHot;
  host_.RepaintObject(*this);
}

void TNCObject::Leave() {
  if (!Visible) return;
  if (host_.HotObject() == this) host_.SetHotObject(nullptr);
  State = ncNormal;
  host_.RepaintObject(*this);
}
