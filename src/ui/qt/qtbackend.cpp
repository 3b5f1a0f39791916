// The Qt backend of the window layer.
