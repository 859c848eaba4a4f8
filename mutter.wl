wayland-mu
