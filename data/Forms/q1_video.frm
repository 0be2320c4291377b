VERSION 5.00
Begin VB.Form frmVideo
   Caption         =   "Quake - Video"
   ClientHeight    =   3540
   ClientWidth     =   4935
   BeginProperty Font
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
   EndProperty
   ScaleHeight     =   3540
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
      Caption         =   "Width:"
      Height          =   255
      Left            =   120
      Top             =   585
      Width           =   1695
   End
   Begin VB.TextBox txtRow3
      Height          =   285
      Left            =   1920
      Top             =   555
      Width           =   1095
      Tag             =   "\cvar\vid_width"
      ToolTipText     =   "Screen width in pixels"
   End
   Begin VB.Label lblRow4
      Caption         =   "Height:"
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
      Tag             =   "\cvar\vid_height"
      ToolTipText     =   "Screen height in pixels"
   End
   Begin VB.Label lblRow6
      Caption         =   "Brightness:"
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
      Tag             =   "\cvar\gamma"
      ToolTipText     =   "Gamma, 1 by default; lower is brighter"
   End
   Begin VB.Label lblRow8
      Caption         =   "Frame rate limit:"
      Height          =   255
      Left            =   120
      Top             =   1800
      Width           =   1695
   End
   Begin VB.TextBox txtRow9
      Height          =   285
      Left            =   1920
      Top             =   1770
      Width           =   1095
      Tag             =   "\cvar\host_maxfps"
      ToolTipText     =   "Highest frame rate"
   End
   Begin VB.Label lblRow10
      Caption         =   "Water opacity:"
      Height          =   255
      Left            =   120
      Top             =   2205
      Width           =   1695
   End
   Begin VB.TextBox txtRow11
      Height          =   285
      Left            =   1920
      Top             =   2175
      Width           =   1095
      Tag             =   "\cvar\r_wateralpha"
      ToolTipText     =   "1 solid, lower values see through water"
   End
   Begin VB.CheckBox chkRow12
      Caption         =   "Full screen"
      Height          =   255
      Left            =   120
      Top             =   2565
      Width           =   2295
      Tag             =   "\cvar\vid_fullscreen"
      ToolTipText     =   "Off plays in a window"
   End
   Begin VB.CheckBox chkRow13
      Caption         =   "Vertical sync"
      Height          =   255
      Left            =   2520
      Top             =   2565
      Width           =   2295
      Tag             =   "\cvar\vid_vsync"
      ToolTipText     =   "Waits for the screen's refresh"
   End
   Begin VB.CommandButton cmdRow14
      Caption         =   "Console"
      Height          =   375
      Left            =   2505
      Top             =   3045
      Width           =   1095
      Tag             =   "\action\openconsole"
   End
   Begin VB.CommandButton cmdRow15
      Caption         =   "Close"
      Height          =   375
      Left            =   3720
      Top             =   3045
      Width           =   1095
      Tag             =   "\action\hideform"
   End
End
Attribute VB_Name = "frmVideo"
