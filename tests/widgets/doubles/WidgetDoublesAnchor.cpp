// Anchors the widget test-double library; the doubles live beside it.
