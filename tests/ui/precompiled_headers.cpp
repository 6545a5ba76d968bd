// The windows' tests share the precompiled header built with this otherwise empty file.
