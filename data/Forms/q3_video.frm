VERSION 5.00
Begin VB.Form frmVideo
   Caption         =   "Quake III Arena - Video"
   ClientHeight    =   5085
   ClientWidth     =   4935
   BeginProperty Font
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
   EndProperty
   ScaleHeight     =   5085
   ScaleWidth      =   4935
   Begin VB.Label lblTitle1
      Caption         =   "Screen and picture"
      Height          =   255
      Left            =   120
      Top             =   120
      Width           =   4695
      BeginProperty Font
         Name            =   "Tahoma"
         Size            =   9.75
         Weight          =   700
      EndProperty
      ForeColor       =   &H00800000&
   End
   Begin VB.Label lblRow2
      Caption         =   "Resolution:"
      Height          =   255
      Left            =   120
      Top             =   585
      Width           =   1695
   End
   Begin VB.ComboBox cmbRow3
      Height          =   315
      Left            =   1920
      Top             =   540
      Width           =   2895
      Tag             =   "\cvar\r_mode"
      ToolTipText     =   "Video mode; Custom size uses the width and height below"
   End
   Begin VB.Label lblRow4
      Caption         =   "Custom width:"
      Height          =   255
      Left            =   120
      Top             =   990
      Width           =   1695
   End
   Begin VB.TextBox txtRow5
      Height          =   285
      Left            =   1920
      Top             =   960
      Width           =   1095
      Tag             =   "\cvar\r_customwidth"
      ToolTipText     =   "Screen width in pixels for Custom size"
   End
   Begin VB.Label lblRow6
      Caption         =   "Custom height:"
      Height          =   255
      Left            =   120
      Top             =   1395
      Width           =   1695
   End
   Begin VB.TextBox txtRow7
      Height          =   285
      Left            =   1920
      Top             =   1365
      Width           =   1095
      Tag             =   "\cvar\r_customheight"
      ToolTipText     =   "Screen height in pixels for Custom size"
   End
   Begin VB.Label lblRow8
      Caption         =   "Texture detail:"
      Height          =   255
      Left            =   120
      Top             =   1800
      Width           =   1695
   End
   Begin VB.ComboBox cmbRow9
      Height          =   315
      Left            =   1920
      Top             =   1755
      Width           =   2895
      Tag             =   "\cvar\r_picmip"
      ToolTipText     =   "Less detail runs faster on old cards"
   End
   Begin VB.Label lblRow10
      Caption         =   "Filtering:"
      Height          =   255
      Left            =   120
      Top             =   2205
      Width           =   1695
   End
   Begin VB.ComboBox cmbRow11
      Height          =   315
      Left            =   1920
      Top             =   2160
      Width           =   2895
      Tag             =   "\cvar\r_texturemode"
      ToolTipText     =   "How textures are smoothed"
   End
   Begin VB.Label lblRow12
      Caption         =   "Colours:"
      Height          =   255
      Left            =   120
      Top             =   2610
      Width           =   1695
   End
   Begin VB.ComboBox cmbRow13
      Height          =   315
      Left            =   1920
      Top             =   2565
      Width           =   2895
      Tag             =   "\cvar\r_colorbits"
      ToolTipText     =   "Colour depth of the screen"
   End
   Begin VB.Label lblRow14
      Caption         =   "Brightness:"
      Height          =   255
      Left            =   120
      Top             =   3015
      Width           =   1695
   End
   Begin VB.TextBox txtRow15
      Height          =   285
      Left            =   1920
      Top             =   2985
      Width           =   1095
      Tag             =   "\cvar\r_gamma"
      ToolTipText     =   "Screen gamma, 1 by default"
   End
   Begin VB.Label lblRow16
      Caption         =   "Memory (MB):"
      Height          =   255
      Left            =   120
      Top             =   3420
      Width           =   1695
   End
   Begin VB.TextBox txtRow17
      Height          =   285
      Left            =   1920
      Top             =   3390
      Width           =   1095
      Tag             =   "\cvar\com_hunkmegs"
      ToolTipText     =   "Memory for maps and models; big maps need more"
   End
   Begin VB.CheckBox chkRow18
      Caption         =   "Full screen"
      Height          =   255
      Left            =   120
      Top             =   3780
      Width           =   2295
      Tag             =   "\cvar\r_fullscreen"
      ToolTipText     =   "Off plays in a window"
   End
   Begin VB.CheckBox chkRow19
      Caption         =   "Vertical sync"
      Height          =   255
      Left            =   2520
      Top             =   3780
      Width           =   2295
      Tag             =   "\cvar\r_swapinterval"
      ToolTipText     =   "Waits for the screen's refresh"
   End
   Begin VB.CheckBox chkRow20
      Caption         =   "Vertex lighting"
      Height          =   255
      Left            =   120
      Top             =   4110
      Width           =   2295
      Tag             =   "\cvar\r_vertexlight"
      ToolTipText     =   "Faster, plainer lighting"
   End
   Begin VB.CheckBox chkRow21
      Caption         =   "Frame rate shown"
      Height          =   255
      Left            =   2520
      Top             =   4110
      Width           =   2295
      Tag             =   "\cvar\cg_drawfps"
      ToolTipText     =   "Shows the frame rate in a corner"
   End
   Begin VB.CommandButton cmdRow22
      Caption         =   "Console"
      Height          =   375
      Left            =   2505
      Top             =   4590
      Width           =   1095
      Tag             =   "\action\openconsole"
   End
   Begin VB.CommandButton cmdRow23
      Caption         =   "Close"
      Height          =   375
      Left            =   3720
      Top             =   4590
      Width           =   1095
      Tag             =   "\action\hideform"
   End
End
Attribute VB_Name = "frmVideo"
