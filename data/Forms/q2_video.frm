VERSION 5.00
Begin VB.Form frmVideo
   Caption         =   "Quake II - Video"
   ClientHeight    =   4350
   ClientWidth     =   4935
   BeginProperty Font
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
   EndProperty
   ScaleHeight     =   4350
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
      Caption         =   "Renderer:"
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
      Tag             =   "\cvar\vid_ref"
      ToolTipText     =   "Software or OpenGL"
   End
   Begin VB.Label lblRow4
      Caption         =   "Resolution:"
      Height          =   255
      Left            =   120
      Top             =   990
      Width           =   1695
   End
   Begin VB.ComboBox cmbRow5
      Height          =   315
      Left            =   1920
      Top             =   945
      Width           =   2895
      Tag             =   "\cvar\gl_mode"
      ToolTipText     =   "Video mode of the OpenGL renderer"
   End
   Begin VB.Label lblRow6
      Caption         =   "Software:"
      Height          =   255
      Left            =   120
      Top             =   1395
      Width           =   1695
   End
   Begin VB.ComboBox cmbRow7
      Height          =   315
      Left            =   1920
      Top             =   1350
      Width           =   2895
      Tag             =   "\cvar\sw_mode"
      ToolTipText     =   "Video mode of the software renderer"
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
      Tag             =   "\cvar\gl_picmip"
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
      Tag             =   "\cvar\gl_texturemode"
      ToolTipText     =   "How textures are smoothed"
   End
   Begin VB.Label lblRow12
      Caption         =   "Brightness:"
      Height          =   255
      Left            =   120
      Top             =   2610
      Width           =   1695
   End
   Begin VB.TextBox txtRow13
      Height          =   285
      Left            =   1920
      Top             =   2580
      Width           =   1095
      Tag             =   "\cvar\vid_gamma"
      ToolTipText     =   "Gamma, 1 by default; lower is brighter"
   End
   Begin VB.Label lblRow14
      Caption         =   "Frame rate limit:"
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
      Tag             =   "\cvar\cl_maxfps"
      ToolTipText     =   "Highest frame rate"
   End
   Begin VB.CheckBox chkRow16
      Caption         =   "Full screen"
      Height          =   255
      Left            =   120
      Top             =   3375
      Width           =   2295
      Tag             =   "\cvar\vid_fullscreen"
      ToolTipText     =   "Off plays in a window"
   End
   Begin VB.CheckBox chkRow17
      Caption         =   "Vertical sync"
      Height          =   255
      Left            =   2520
      Top             =   3375
      Width           =   2295
      Tag             =   "\cvar\gl_swapinterval"
      ToolTipText     =   "Waits for the screen's refresh"
   End
   Begin VB.CommandButton cmdRow18
      Caption         =   "Console"
      Height          =   375
      Left            =   2505
      Top             =   3855
      Width           =   1095
      Tag             =   "\action\openconsole"
   End
   Begin VB.CommandButton cmdRow19
      Caption         =   "Close"
      Height          =   375
      Left            =   3720
      Top             =   3855
      Width           =   1095
      Tag             =   "\action\hideform"
   End
End
Attribute VB_Name = "frmVideo"
